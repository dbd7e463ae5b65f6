// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu background: title lettering, the moth emblem, and the canyon bridge by the tent village.
#include "ink.h"
#include "moth.h"
#include "pictures.h"
#include "scenery.h"

#include <algorithm>

#include "game/state/screens/auth.h"
#include "game/state/screens/help.h"
#include "game/state/screens/menuform.h"

namespace pictures {
namespace {

constexpr int kWidth = 432;
constexpr int kHeight = 425;
constexpr qreal kRim = 372; // ground level on both sides of the canyon

void drawTitle(QPainter& p) {
    const QRectF title(10, 18, kWidth - 20, 62);
    ink::text(p, title.translated(2.5, 2.5), QStringLiteral("Cindervale"), 52, ink::dim());
    ink::text(p, title, QStringLiteral("Cindervale"), 52, ink::bright());
    ink::text(p, QRectF(10, 94, kWidth - 20, 26), QStringLiteral("Brassmoth Post Edition"), 19,
              ink::bright());

    // A rule with a diamond in the middle under the subtitle.
    p.setPen(ink::line(ink::dim(), 1.6));
    p.drawLine(QPointF(70, 137), QPointF(200, 137));
    p.drawLine(QPointF(232, 137), QPointF(362, 137));
    QPolygonF diamond;
    diamond << QPointF(216, 130) << QPointF(224, 137) << QPointF(216, 144) << QPointF(208, 137);
    p.setPen(ink::line(ink::bright(), 1.6));
    p.setBrush(ink::dim());
    p.drawPolygon(diamond);
}

// A lookout post on stilts with a flag: the "post" of the title.
void drawLookout(QPainter& p) {
    const qreal left = 356, right = 410, deck = 232;
    p.setPen(ink::line(ink::bright(), 2.2));
    p.drawLine(QPointF(left + 4, deck), QPointF(left - 4, kRim));
    p.drawLine(QPointF(right - 4, deck), QPointF(right + 4, kRim));
    p.setPen(ink::line(ink::dim(), 1.6));
    for (qreal y = deck + 10; y < kRim - 30; y += 44) { // cross bracing
        p.drawLine(QPointF(left + 2, y), QPointF(right, y + 44));
        p.drawLine(QPointF(right - 2, y), QPointF(left, y + 44));
    }
    p.setPen(ink::line(ink::bright(), 2.2));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(left - 4, deck - 26, right - left + 8, 26)); // cabin
    p.drawRect(QRectF(left + 8, deck - 20, 12, 10));               // window
    p.drawRect(QRectF(right - 20, deck - 20, 12, 10));
    QPolygonF roof;
    roof << QPointF(left - 10, deck - 26) << QPointF((left + right) / 2, deck - 46)
         << QPointF(right + 10, deck - 26);
    p.drawPolygon(roof);
    p.drawLine(QPointF((left + right) / 2, deck - 46), QPointF((left + right) / 2, deck - 70));
    QPolygonF flag;
    flag << QPointF((left + right) / 2, deck - 70) << QPointF((left + right) / 2 + 16, deck - 65)
         << QPointF((left + right) / 2, deck - 59);
    p.setBrush(ink::dim());
    p.drawPolygon(flag);
    p.drawLine(QPointF(left - 10, deck), QPointF(right + 10, deck)); // platform
}

// The canyon across the bottom and the rope bridge over it.
void drawCanyonAndBridge(QPainter& p) {
    const qreal leftEdge = 138, rightEdge = 296;
    p.setPen(ink::line(ink::bright(), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(8, kRim), QPointF(leftEdge, kRim));
    p.drawLine(QPointF(rightEdge, kRim), QPointF(kWidth - 8, kRim));
    // Cliff faces falling away into the dark.
    p.drawPolyline(QPolygonF{{QPointF(leftEdge, kRim), QPointF(150, 384), QPointF(146, 396),
                              QPointF(162, 410), QPointF(160, 418)}});
    p.drawPolyline(QPolygonF{{QPointF(rightEdge, kRim), QPointF(286, 386), QPointF(292, 398),
                              QPointF(276, 410), QPointF(280, 418)}});
    p.setPen(ink::line(ink::dim(), 1.4));
    p.drawPolyline(QPolygonF{{QPointF(176, 418), QPointF(186, 404), QPointF(200, 414), QPointF(214, 400),
                              QPointF(228, 412), QPointF(244, 402), QPointF(262, 418)}});

    // Posts, sagging deck, hand ropes and hangers.
    const qreal sag = 16;
    p.setPen(ink::line(ink::bright(), 2.6));
    for (const qreal x : {leftEdge - 6, rightEdge + 6})
        p.drawLine(QPointF(x, kRim), QPointF(x, kRim - 24));
    auto deckAt = [&](qreal t) {
        return QPointF(leftEdge - 6 + t * (rightEdge - leftEdge + 12), kRim + 4 * sag * t * (1 - t));
    };
    QPainterPath deck, rope;
    deck.moveTo(deckAt(0));
    rope.moveTo(deckAt(0) + QPointF(0, -24));
    for (int i = 1; i <= 20; ++i) {
        const qreal t = i / 20.0;
        deck.lineTo(deckAt(t));
        rope.lineTo(deckAt(t) + QPointF(0, -24 + 4 * sag * t * (1 - t) * -0.3));
    }
    p.setPen(ink::line(ink::bright(), 2.4));
    p.drawPath(deck);
    p.setPen(ink::line(ink::bright(), 1.6));
    p.drawPath(rope);
    p.setPen(ink::line(ink::dim(), 1.4));
    for (int i = 1; i < 12; ++i) {
        const qreal t = i / 12.0;
        const QPointF foot = deckAt(t);
        p.drawLine(foot, foot + QPointF(0, -24 + 4 * sag * t * (1 - t) * -0.3));
    }
}

QImage menuPicture() {
    QImage image = ink::canvas(kWidth, kHeight);
    QPainter p(&image);
    ink::prepare(p);
    using namespace scenery;

    stars(p, QRectF(12, 150, 74, 80), 10, ink::bright(), 51);
    stars(p, QRectF(346, 150, 74, 40), 6, ink::bright(), 52);
    drawTitle(p);
    drawMoth(p, QPointF(216, 170), 84, 1.8);

    // Left side: pines above the village, tents by the canyon.
    pineTree(p, QPointF(38, 326), 100, ink::dim(), 1.8);
    pineTree(p, QPointF(52, 344), 118, ink::bright(), 2.0);
    coneTent(p, QPointF(40, kRim), 52, 62, ink::bright(), 2.2);
    coneTent(p, QPointF(100, kRim), 30, 26, ink::dim(), 1.8);
    // Right side: the lookout post and a tent beside it.
    drawLookout(p);
    coneTent(p, QPointF(326, kRim), 28, 27, ink::dim(), 1.8);
    campfire(p, QPointF(120, kRim - 2), 10, ink::bright(), 1.6);

    drawCanyonAndBridge(p);
    ink::doubleFrame(p, QRectF(0, 0, kWidth, kHeight));
    return image;
}

enum class Look { Rest, Lit, Down };

// The four buttons of the menu, drawn at their places with their captions, as the window shows them.
void drawButtons(QImage& image, Look look) {
    const cv::screens::Menuform menu;
    QPainter p(&image);
    ink::prepare(p);
    for (const cv::Button* b : {&menu.BitBtn6, &menu.BitBtn4, &menu.BitBtn1, &menu.BitBtn3}) {
        const QRectF box(b->left, b->top, b->width, b->height);
        const QColor fill = look == Look::Down  ? ink::dim()
                            : look == Look::Lit ? QColor(0, 48, 0)
                                                : ink::black();
        p.setPen(ink::line(ink::bright(), 2));
        p.setBrush(fill);
        p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 3, 3);
        ink::text(p, box, QString::fromStdString(b->caption), 13,
                  look == Look::Down ? ink::black() : ink::bright());
    }
}

QImage menuWith(Look look) {
    QImage image = menuPicture();
    drawButtons(image, look);
    return image;
}

} // namespace

void writeIcons(PictureSink& sink) {
    // The moth of the title on a black tile with rounded corners and the game's green rim; outside the
    // tile the icon is transparent. Each size is drawn for itself, its lines never thinner than a pixel.
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        ink::prepare(p);
        const qreal rim = std::max(1.0, size / 64.0);
        const QRectF tile = QRectF(0, 0, size, size).adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
        p.setPen(ink::line(ink::bright(), rim));
        p.setBrush(ink::black());
        p.drawRoundedRect(tile, size / 8.0, size / 8.0);
        drawMoth(p, QPointF(size / 2.0, size / 2.0 + size / 32.0), size * 0.8, std::max(1.0, size / 48.0));
        p.end();
        sink.put(QStringLiteral("icons/hicolor/%1x%1/apps/" CINDERVALE_APP_ID ".png").arg(size), image);
    }
}

// The caption of the menu's title bar, painted as its buttons' captions are, so that the first window of
// the game draws no text with fonts.
QImage menuCaption() {
    const cv::screens::Menuform menu;
    QImage image = ink::canvas(kWidth - 40, 18);
    QPainter p(&image);
    ink::prepare(p);
    ink::text(p, QRectF(0, 0, kWidth - 40, 18), QString::fromStdString(menu.window.caption), 12,
              ink::bright());
    return image;
}

void writeMenu(PictureSink& sink) {
    sink.put(QStringLiteral("layout/menutitle.raw"), menuCaption());
    sink.put(QStringLiteral("layout/menu.raw"), menuWith(Look::Rest));
    sink.put(QStringLiteral("layout/menu_lit.raw"), menuWith(Look::Lit));
    sink.put(QStringLiteral("layout/menu_down.raw"), menuWith(Look::Down));
}

} // namespace pictures
