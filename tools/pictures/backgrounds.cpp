// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Full-screen backgrounds behind the game's text: the tent village at night and the temple grove.
#include "ink.h"
#include "pictures.h"
#include "scenery.h"

namespace pictures {
namespace {

constexpr int kWidth = 801;
constexpr int kHeight = 561;

// Where the game prints its text, and the column of small buttons at the right.
const QRect kTextArea(150, 20, 501, 541);
const QRect kButtonColumn(715, 425, 86, 96);

// Keeps the text area and the button column dark whatever was drawn under them.
void quieten(QImage& image) {
    ink::hush(image, kTextArea, 38, 26);
    ink::hush(image, kButtonColumn, 20, 10);
}

QImage villageAtNight() {
    QImage image = ink::canvas(kWidth, kHeight);
    QPainter p(&image);
    ink::prepare(p);
    using namespace scenery;

    stars(p, QRectF(0, 0, kWidth, 300), 90, ink::bright(), 11);
    crescentMoon(p, QPointF(72, 70), 30, ink::bright());
    ridgeLine(p, 0, kWidth, 330, 14, ink::dim(), 2.0, 5);
    ridgeLine(p, 0, kWidth, 372, 5, ink::dim(), 1.5, 6);

    // A row of tents along the bottom; the middle ones end up faint under the text.
    for (int i = 0; i < 6; ++i)
        coneTent(p, QPointF(190 + i * 84, 548 - (i % 2) * 14), 70, 92, ink::dim(), 2.0);

    // Left edge: a big tent in front, smaller ones behind, a camp fire.
    coneTent(p, QPointF(30, 405), 56, 74, ink::dim(), 2.0);
    coneTent(p, QPointF(112, 392), 44, 58, ink::dim(), 2.0);
    coneTent(p, QPointF(64, 540), 124, 160, ink::bright(), 2.6);
    campfire(p, QPointF(132, 548), 20, ink::bright(), 2.0);
    grassTuft(p, QPointF(10, 556), 14, ink::dim(), 1.6, 3);

    // Right edge: tents above and below the button column.
    ridgeTent(p, QPointF(742, 410), 112, 92, ink::bright(), 2.4);
    coneTent(p, QPointF(672, 395), 52, 70, ink::dim(), 2.0);
    coneTent(p, QPointF(690, 556), 70, 92, ink::bright(), 2.4);
    grassTuft(p, QPointF(770, 556), 16, ink::dim(), 1.6, 4);
    grassTuft(p, QPointF(742, 552), 12, ink::dim(), 1.6, 9);
    p.end();

    quieten(image);
    return image;
}

QImage templeGrove() {
    QImage image = ink::canvas(kWidth, kHeight);
    QPainter p(&image);
    ink::prepare(p);
    using namespace scenery;

    stars(p, QRectF(0, 0, kWidth, 260), 70, ink::bright(), 21);
    ridgeLine(p, 0, kWidth, 420, 6, ink::dim(), 1.5, 7);

    // The grove on the left.
    leafyTree(p, QPointF(118, 430), 190, ink::dim(), 2.0, 31);
    pineTree(p, QPointF(22, 380), 200, ink::dim(), 2.0);
    leafyTree(p, QPointF(60, 552), 300, ink::bright(), 2.6, 37);
    grassTuft(p, QPointF(130, 556), 18, ink::bright(), 1.8, 5);
    rock(p, QPointF(120, 558), 34, ink::dim(), 2.0, 8);

    // The temple roof behind, the stone gate in front of it.
    QPainterPath roof;
    roof.moveTo(648, 150);
    roof.lineTo(740, 92);
    roof.lineTo(832, 150);
    roof.closeSubpath();
    p.setPen(ink::line(ink::dim(), 2.0));
    p.setBrush(Qt::black);
    p.drawPath(roof);
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(664 + i * 30, 152), QPointF(664 + i * 30, 215));
    p.drawLine(QPointF(648, 152), QPointF(801, 152));

    const qreal left = 664, right = 792, top = 180, bottom = 418;
    p.setPen(ink::line(ink::bright(), 2.6));
    for (const qreal x : {left, right - 30}) {
        p.drawRect(QRectF(x, top + 18, 30, bottom - top - 18)); // pillar
        for (qreal y = top + 58; y < bottom; y += 40)           // stone courses
            p.drawLine(QPointF(x, y), QPointF(x + 30, y));
    }
    QPainterPath lintel;
    lintel.moveTo(left - 14, top + 18);
    lintel.lineTo(left - 8, top);
    lintel.lineTo(right + 8, top);
    lintel.lineTo(right + 14, top + 18);
    lintel.closeSubpath();
    p.setBrush(Qt::black);
    p.drawPath(lintel);
    p.setPen(ink::line(ink::dim(), 1.6));
    p.drawLine(QPointF(left + 50, top + 4), QPointF(left + 50, top + 14));
    p.drawLine(QPointF(right - 50, top + 4), QPointF(right - 50, top + 14));
    // A carved sun above the gateway.
    p.setPen(ink::line(ink::bright(), 2.0));
    p.drawEllipse(QPointF((left + right) / 2, top + 9), 5, 5);

    // Steps under the gate, stones and grass at the bottom.
    p.setPen(ink::line(ink::dim(), 2.0));
    p.drawLine(QPointF(650, 418), QPointF(801, 418));
    p.drawLine(QPointF(660, 530), QPointF(801, 530));
    rock(p, QPointF(690, 558), 44, ink::bright(), 2.4, 12);
    grassTuft(p, QPointF(740, 556), 18, ink::bright(), 1.8, 13);
    grassTuft(p, QPointF(785, 556), 14, ink::dim(), 1.6, 14);
    // A faint grove across the bottom under the text.
    for (int i = 0; i < 5; ++i)
        leafyTree(p, QPointF(210 + i * 100, 560), 110 + (i % 2) * 30, ink::dim(), 2.0, 40 + i);
    p.end();

    quieten(image);
    return image;
}

} // namespace

QImage backgroundPicture(const std::string& subject) {
    if (subject == "village") return villageAtNight();
    if (subject == "grove") return templeGrove();
    return {};
}

} // namespace pictures
