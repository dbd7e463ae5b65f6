// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The wrist computer seen from above (layout/vesk.raw): straps, body, screen frame and antenna.
#include "ink.h"
#include "moth.h"
#include "pictures.h"

namespace pictures {
namespace {

constexpr int kWidth = 484;
constexpr int kHeight = 363;

// A strap running off the edge of the picture, with stitching and holes.
void strap(QPainter& p, const QRectF& band, bool holes) {
    p.setPen(ink::line(ink::bright(), 2.0));
    p.setBrush(ink::dim());
    p.drawRect(band);
    QPen stitch = ink::line(ink::bright(), 1.0);
    stitch.setStyle(Qt::DashLine);
    p.setPen(stitch);
    p.drawLine(QPointF(band.left(), band.top() + 5), QPointF(band.right(), band.top() + 5));
    p.drawLine(QPointF(band.left(), band.bottom() - 5), QPointF(band.right(), band.bottom() - 5));
    if (!holes) return;
    p.setPen(ink::line(ink::bright(), 1.4));
    p.setBrush(Qt::black);
    for (qreal y = band.top() + 30; y < band.bottom() - 20; y += 30)
        p.drawEllipse(QPointF(band.center().x(), y), 3, 3);
}

void caption(QPainter& p, QPointF buttonAt, const QString& words) {
    p.fillRect(QRectF(buttonAt.x() - 3, buttonAt.y() - 3, 38, 24), Qt::black);
    ink::frame(p, QRectF(buttonAt.x() - 3, buttonAt.y() - 3, 38, 24), ink::dim(), 1.2);
    ink::text(p, QRectF(buttonAt.x() + 40, buttonAt.y() - 3, 110, 24), words, 12, ink::bright(),
              Qt::AlignLeft | Qt::AlignVCenter);
}

QImage wristPicture() {
    QImage image = ink::canvas(kWidth, kHeight);
    QPainter p(&image);
    ink::prepare(p);

    // Straps leave the body on both sides.
    strap(p, QRectF(-4, 96, 30, 172), true);
    strap(p, QRectF(458, 96, 30, 172), false);
    p.setPen(ink::line(ink::bright(), 2.0));
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(462, 150, 16, 64), 3, 3); // buckle
    p.drawLine(QPointF(470, 150), QPointF(470, 214));

    // The antenna stub at the top right.
    p.setPen(ink::line(ink::bright(), 2.4));
    p.drawLine(QPointF(404, 20), QPointF(416, 5));
    p.setBrush(ink::dim());
    p.drawEllipse(QPointF(417, 4), 3, 3);

    // Body with a raised rim.
    p.setPen(ink::line(ink::bright(), 2.6));
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(24, 18, 436, 342), 22, 22);
    p.setPen(ink::line(ink::dim(), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(31, 25, 422, 328), 17, 17);
    // Screws in the corners.
    for (const QPointF& at : {QPointF(46, 40), QPointF(438, 40), QPointF(438, 338)}) {
        p.setPen(ink::line(ink::dim(), 1.4));
        p.drawEllipse(at, 4, 4);
        p.drawLine(at + QPointF(-2.5, 2.5), at + QPointF(2.5, -2.5));
    }

    // The screen frame: a thick bevel round the area where the program prints.
    p.setPen(ink::line(ink::bright(), 2.4));
    p.drawRoundedRect(QRectF(180, 28, 248, 246), 8, 8);
    p.setPen(ink::line(ink::dim(), 1.4));
    p.drawRoundedRect(QRectF(186, 34, 236, 234), 5, 5);

    // Left panel: speaker grille, a dial and two indicator lamps.
    p.setPen(ink::line(ink::dim(), 2.0));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(62, 58 + i * 9), QPointF(150, 58 + i * 9));
    p.setPen(ink::line(ink::bright(), 2.0));
    p.drawEllipse(QPointF(106, 170), 28, 28);
    p.setPen(ink::line(ink::dim(), 1.4));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(106, 170);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -32), QPointF(0, -36));
        p.restore();
    }
    p.setPen(ink::line(ink::bright(), 2.4));
    p.drawLine(QPointF(106, 170), QPointF(121, 154));
    p.setPen(Qt::NoPen);
    p.setBrush(ink::bright());
    p.drawEllipse(QPointF(150, 224), 4, 4);
    p.setBrush(ink::dim());
    p.drawEllipse(QPointF(150, 238), 4, 4);

    caption(p, QPointF(40, 255), QStringLiteral("Места"));
    caption(p, QPointF(40, 337), QStringLiteral("Закрыть"));

    // Under the screen: a row of keys and the maker's moth.
    p.setPen(ink::line(ink::dim(), 1.6));
    p.setBrush(Qt::black);
    for (int i = 0; i < 5; ++i)
        p.drawRoundedRect(QRectF(196 + i * 44, 292, 36, 16), 4, 4);
    drawMoth(p, QPointF(304, 332), 40, 1.2);
    return image;
}

} // namespace

void writeWrist(PictureSink& sink) {
    sink.put(QStringLiteral("layout/vesk.raw"), wristPicture());
}

} // namespace pictures
