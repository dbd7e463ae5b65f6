// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the player's figure in a 60 by 110 unit frame scaled into any box.
#include "figure.h"

#include "ink.h"

#include <algorithm>

namespace pictures {
namespace {

constexpr qreal kUnitsWide = 60.0;
constexpr qreal kUnitsTall = 110.0;

struct Pens {
    qreal outline; // picture pixels
    qreal fine;
    bool detailed;
};

void fillShape(QPainter& p, const QPainterPath& shape, const QColor& fill, const Pens& pens) {
    p.setPen(ink::line(ink::bright(), pens.outline));
    p.setBrush(fill);
    p.drawPath(shape);
}

void drawHand(QPainter& p, QPointF at, qreal radius, const Pens& pens) {
    QPainterPath hand;
    hand.addEllipse(at, radius, radius);
    fillShape(p, hand, ink::dim(), pens);
}

void drawOpenHand(QPainter& p, QPointF at, const Pens& pens) {
    drawHand(p, at, 2.4, pens);
    if (!pens.detailed) return;
    p.setPen(ink::line(ink::bright(), pens.fine));
    for (int i = 0; i < 4; ++i) {
        const QPointF from = at + QPointF(0.8 + i * 0.35, 1.2);
        p.drawLine(from, from + QPointF(0.6, 2.6));
    }
    p.drawLine(at + QPointF(1.8, -0.6), at + QPointF(3.6, -1.6)); // thumb
}

void drawLegs(QPainter& p, Build build, const Pens& pens) {
    const bool man = build == Build::Man;
    const qreal width = man ? 6.2 : 4.4;
    const qreal top = man ? 54.0 : 68.0;
    fillShape(p, ink::limb({{26.5, top}, {25.8, 84}, {25, 100}}, width), ink::dim(), pens);
    fillShape(p, ink::limb({{34, top}, {35, 84}, {36.5, 100}}, width), ink::dim(), pens);
    if (man) {
        QPainterPath hips;
        hips.addRoundedRect(QRectF(23.5, 49, 14, 8), 2, 2);
        fillShape(p, hips, ink::dim(), pens);
    }

    // Boots, toes to the right.
    for (const qreal heel : {21.8, 33.2}) {
        QPainterPath boot;
        boot.moveTo(heel, 98);
        boot.lineTo(heel + 6, 98);
        boot.quadTo(heel + 8.8, 101.5, heel + 9.2, 106);
        boot.lineTo(heel, 106);
        boot.closeSubpath();
        fillShape(p, boot, ink::dim(), pens);
    }
    if (pens.detailed) {
        p.setPen(ink::line(ink::bright(), pens.fine));
        p.drawLine(QPointF(21.8, 101), QPointF(27.8, 101));
        p.drawLine(QPointF(33.2, 101), QPointF(39.2, 101));
    }
}

QPainterPath torsoShape(Build build) {
    QPainterPath torso;
    if (build == Build::Woman) {
        torso.moveTo(24.5, 23);
        torso.quadTo(30.5, 20.5, 36.5, 23);
        torso.quadTo(37.2, 34, 35, 44);
        torso.lineTo(41.5, 71);
        torso.quadTo(30, 74.5, 18.5, 71);
        torso.lineTo(25.5, 44);
        torso.quadTo(23.5, 34, 24.5, 23);
    } else {
        torso.moveTo(19.8, 25);
        torso.quadTo(21, 21.3, 30.5, 21.1);
        torso.quadTo(40.5, 21.3, 41.6, 25);
        torso.quadTo(39.5, 40, 37, 51.5);
        torso.lineTo(24, 51.5);
        torso.quadTo(21, 40, 19.8, 25);
    }
    torso.closeSubpath();
    return torso;
}

void drawTorso(QPainter& p, Build build, const Pens& pens) {
    fillShape(p, torsoShape(build), ink::dim(), pens);
    p.setPen(ink::line(ink::bright(), pens.outline));
    if (build == Build::Woman) {
        p.drawLine(QPointF(25.6, 44), QPointF(34.9, 44)); // belt
    } else {
        p.drawLine(QPointF(24, 48.5), QPointF(37, 48.5));
    }
    if (!pens.detailed) return;
    p.setPen(ink::line(ink::bright(), pens.fine));
    if (build == Build::Woman) {
        p.drawLine(QPointF(28, 22.2), QPointF(30.8, 27)); // neckline
        p.drawLine(QPointF(30.8, 27), QPointF(33.4, 22.2));
        p.drawLine(QPointF(27, 50), QPointF(24.5, 70)); // skirt folds
        p.drawLine(QPointF(30.5, 49), QPointF(30.2, 72));
        p.drawLine(QPointF(34, 50), QPointF(36.5, 70.5));
        p.drawRect(QRectF(29.6, 42.8, 2.4, 2.4)); // buckle
    } else {
        p.drawLine(QPointF(28, 21.6), QPointF(30.6, 26.5)); // collar
        p.drawLine(QPointF(30.6, 26.5), QPointF(33.2, 21.6));
        p.drawLine(QPointF(30.6, 26.5), QPointF(30.6, 47.5)); // shirt opening
        p.drawLine(QPointF(23.5, 31), QPointF(27.5, 33));     // pocket
        p.drawRect(QRectF(29.2, 47.3, 2.8, 2.6));
    }
}

void drawHead(QPainter& p, Build build, const Pens& pens) {
    const bool man = build == Build::Man;
    QPainterPath neck;
    neck.addRect(QRectF(28.6, 16, 4.2, 7));
    fillShape(p, neck, ink::black(), pens);

    const QPointF centre(31, 12);
    const qreal radius = man ? 6.9 : 6.5;
    QPainterPath head;
    head.addEllipse(centre, radius * 0.95, radius);
    QPainterPath nose;
    nose.moveTo(36.8, 10.8);
    nose.lineTo(38.9, 13.9);
    nose.lineTo(36.4, 14.6);
    nose.closeSubpath();
    head = head.united(nose);
    if (man) {
        QPainterPath jaw;
        jaw.addRoundedRect(QRectF(28, 14, 8.2, 5.4), 2.2, 2.2);
        head = head.united(jaw);
    }
    fillShape(p, head, ink::black(), pens);

    // Eye, and in big pictures a brow, a mouth and an ear.
    p.setPen(Qt::NoPen);
    p.setBrush(ink::bright());
    p.drawEllipse(QPointF(34.4, 10.8), 1.0, 1.0);
    if (pens.detailed) {
        p.setPen(ink::line(ink::bright(), pens.fine));
        p.drawLine(QPointF(33.2, 8.8), QPointF(36, 8.6));
        p.drawLine(QPointF(35, 16.2), QPointF(36.8, 15.9));
        if (man) p.drawArc(QRectF(28.2, 10, 3, 4), 90 * 16, 180 * 16);
    }
}

void drawHair(QPainter& p, Build build, const Pens& pens) {
    QPainterPath hair;
    if (build == Build::Woman) {
        hair.moveTo(37, 8.2);
        hair.cubicTo(36, 3.2, 26.5, 2.6, 24.2, 8);
        hair.cubicTo(22, 14, 21, 26, 20, 33);
        hair.quadTo(19.6, 38, 22, 41.5);
        hair.quadTo(24, 37, 25.8, 34);
        hair.quadTo(27.2, 26, 27, 17.5);
        hair.quadTo(28.5, 10.2, 33, 8.2);
        hair.quadTo(35, 7.6, 37, 8.2);
    } else {
        hair.moveTo(37, 7.8);
        hair.cubicTo(35.5, 3.4, 27, 3.2, 24.6, 7.8);
        hair.quadTo(23.4, 11, 24.5, 15.5);
        hair.lineTo(27.6, 15);
        hair.quadTo(28.2, 10, 31.5, 8.6);
        hair.quadTo(34.5, 7.4, 37, 7.8);
    }
    hair.closeSubpath();
    fillShape(p, hair, ink::dim(), pens);
    if (!pens.detailed) return;
    p.setPen(ink::line(ink::bright(), pens.fine));
    if (build == Build::Woman) {
        p.drawPath(ink::smooth({{26.5, 6}, {24, 16}, {22.6, 30}, {22.2, 38}}));
        p.drawPath(ink::smooth({{29.5, 5}, {26, 12}, {25, 24}, {24.4, 33}}));
    } else {
        p.drawLine(QPointF(27, 6.5), QPointF(26, 12));
        p.drawLine(QPointF(30.5, 5.2), QPointF(29, 9));
    }
}

void drawBackArm(QPainter& p, Build build, const Pens& pens) {
    const qreal width = build == Build::Man ? 5.4 : 4.0;
    fillShape(p, ink::limb({{26.5, 25}, {24.5, 37}, {23.5, 47}}, width), ink::dim(), pens);
    drawHand(p, {23.3, 49.2}, build == Build::Man ? 2.5 : 2.2, pens);
}

void drawKnife(QPainter& p, const Pens& pens) {
    // Handle below the fist, a short guard, then a straight-backed blade pointing forward and up.
    p.setPen(ink::line(ink::bright(), pens.outline * 1.6));
    p.drawLine(QPointF(43, 44.2), QPointF(47, 40.2));
    QPainterPath blade;
    blade.moveTo(47.4, 37.6);
    blade.lineTo(58.6, 28.2);
    blade.quadTo(56, 35.2, 50.6, 40.6);
    blade.closeSubpath();
    p.setPen(ink::line(ink::bright(), pens.outline));
    p.setBrush(ink::bright());
    p.drawPath(blade);
    p.setPen(ink::line(ink::bright(), pens.outline * 1.3));
    p.drawLine(QPointF(46.4, 36.8), QPointF(51.4, 41.6)); // guard
}

void drawPistol(QPainter& p, const Pens& pens) {
    QPainterPath gun;
    gun.moveTo(47.5, 21.6);
    gun.lineTo(59.2, 21.6);
    gun.lineTo(59.2, 24.8);
    gun.lineTo(53.2, 24.8);
    gun.lineTo(52.6, 27);
    gun.lineTo(51.6, 31.6);
    gun.lineTo(48.4, 31.2);
    gun.lineTo(49.4, 25.4);
    gun.lineTo(47.5, 24.8);
    gun.closeSubpath();
    p.setPen(ink::line(ink::bright(), pens.outline));
    p.setBrush(ink::dim());
    p.drawPath(gun);
    if (pens.detailed) {
        p.setPen(ink::line(ink::bright(), pens.fine));
        p.drawLine(QPointF(49, 23.2), QPointF(58.2, 23.2));
        p.drawArc(QRectF(51.6, 24.6, 3, 3.4), 180 * 16, 180 * 16); // trigger guard
    }
}

void drawSpearShaft(QPainter& p, const Pens& pens) {
    const QPointF butt(40.2, 108.5), neck(49.4, 15.5);
    p.setPen(ink::line(ink::bright(), pens.outline * 1.3));
    p.drawLine(butt, neck);
    QPainterPath head;
    head.moveTo(49.4, 16.5);
    head.quadTo(47.2, 10, 50.8, 1.2);
    head.quadTo(53.2, 9.6, 49.4, 16.5);
    head.closeSubpath();
    p.setPen(ink::line(ink::bright(), pens.outline));
    p.setBrush(ink::bright());
    p.drawPath(head);
    p.setPen(ink::line(ink::dim(), pens.outline * 1.5));
    p.drawLine(QPointF(48.9, 18), QPointF(49.4, 20.6)); // binding
}

void drawFrontArm(QPainter& p, Build build, Held held, const Pens& pens) {
    const qreal width = build == Build::Man ? 5.4 : 4.0;
    const qreal fist = build == Build::Man ? 2.6 : 2.3;
    switch (held) {
    case Held::Nothing:
        fillShape(p, ink::limb({{34.5, 25}, {38, 37}, {40, 47}}, width), ink::dim(), pens);
        drawOpenHand(p, {40.6, 49.4}, pens);
        break;
    case Held::Knife:
        fillShape(p, ink::limb({{34.5, 25}, {37.5, 36}, {44.5, 40.5}}, width), ink::dim(), pens);
        drawKnife(p, pens);
        drawHand(p, {46.2, 40.6}, fist, pens);
        break;
    case Held::Pistol:
        fillShape(p, ink::limb({{34.5, 25}, {42, 25.8}, {48.6, 26}}, width), ink::dim(), pens);
        drawPistol(p, pens);
        drawHand(p, {50, 26.4}, fist, pens);
        break;
    case Held::Spear:
        fillShape(p, ink::limb({{34.5, 25}, {38, 35}, {44.5, 40.5}}, width), ink::dim(), pens);
        drawHand(p, {46.6, 40.4}, fist, pens);
        break;
    }
}

} // namespace

void drawFigure(QPainter& painter, const QRectF& box, Build build, Held held) {
    const qreal scale = std::min(box.width() / kUnitsWide, box.height() / kUnitsTall);
    Pens pens;
    pens.detailed = scale >= 1.4;
    pens.outline = pens.detailed ? 2.2 : 1.4;
    pens.fine = pens.detailed ? 1.2 : 0.8;

    painter.save();
    painter.translate(box.center().x() - kUnitsWide * scale / 2.0, box.bottom() - kUnitsTall * scale);
    painter.scale(scale, scale);

    drawBackArm(painter, build, pens);
    drawLegs(painter, build, pens);
    drawTorso(painter, build, pens);
    drawHead(painter, build, pens);
    drawHair(painter, build, pens);
    if (held == Held::Spear) drawSpearShaft(painter, pens);
    drawFrontArm(painter, build, held, pens);

    painter.restore();
}

} // namespace pictures
