// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the map's places: cave, huts and tents, fields, well, statue, temple and bridge.
#include "mapplaces.h"

#include "ink.h"
#include "scenery.h"

#include <QPolygonF>

namespace pictures::mapplaces {
namespace {

constexpr qreal kLine = 2.0;

QPen brightPen(qreal width = kLine) {
    return ink::line(ink::bright(), width);
}
QPen dimPen(qreal width = 1.4) {
    return ink::line(ink::dim(), width);
}

// A stick person standing with the feet at `foot`; optionally holding an upright spear.
void person(QPainter& p, QPointF foot, qreal height, bool spear) {
    const qreal head = height * 0.14;
    const QPointF neck = foot + QPointF(0, -height * 0.72);
    const QPointF hip = foot + QPointF(0, -height * 0.38);
    p.save();
    p.setPen(brightPen(1.6));
    p.setBrush(Qt::black);
    p.drawEllipse(neck + QPointF(0, -head), head, head);
    p.drawLine(neck, hip);
    p.drawLine(hip, foot + QPointF(-height * 0.14, 0));
    p.drawLine(hip, foot + QPointF(height * 0.14, 0));
    p.drawLine(neck + QPointF(0, height * 0.06), neck + QPointF(-height * 0.2, height * 0.3));
    p.drawLine(neck + QPointF(0, height * 0.06), neck + QPointF(height * 0.22, height * 0.22));
    if (spear) {
        const qreal x = neck.x() + height * 0.24;
        p.drawLine(QPointF(x, foot.y()), QPointF(x, foot.y() - height * 1.05));
        QPolygonF blade;
        blade << QPointF(x, foot.y() - height * 1.25) << QPointF(x + 2.2, foot.y() - height * 1.05)
              << QPointF(x - 2.2, foot.y() - height * 1.05);
        p.setBrush(ink::bright());
        p.drawPolygon(blade);
    }
    p.restore();
}

// A horned ox seen from the side; `at` is the middle of its back.
void ox(QPainter& p, QPointF at, qreal size, bool facingRight) {
    p.save();
    p.translate(at);
    if (!facingRight) p.scale(-1, 1);
    p.scale(size / 30.0, size / 30.0);
    p.setPen(brightPen(1.8));
    for (const qreal x : {-10.0, -6.0, 8.0, 12.0}) // legs
        p.drawLine(QPointF(x, 8), QPointF(x, 18));
    p.drawPath(ink::smooth({{-14, 2}, {-17, 6}, {-17, 12}})); // tail
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(-14, 0, 30, 12), 5, 5);
    p.drawEllipse(QPointF(19, 3), 4.5, 3.8);
    // Two big horns sweeping up.
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink::smooth({{17, 0}, {14, -4}, {13, -8}}));
    p.drawPath(ink::smooth({{21, 0}, {24, -4}, {23.5, -8}}));
    p.setPen(dimPen(1.2));
    p.drawLine(QPointF(-4, 3), QPointF(4, 7)); // a patch on the hide
    p.restore();
}

} // namespace

void caveWithGuard(QPainter& p, const QRectF& a) {
    // A rocky mound with a dark arched mouth; the guard stands at its right.
    const qreal x = a.left(), y = a.top(), w = a.width(), h = a.height();
    QPainterPath hill = ink::smooth({{x + 1, y + h - 1},
                                     {x + w * 0.12, y + h * 0.4},
                                     {x + w * 0.4, y + 3},
                                     {x + w * 0.7, y + h * 0.15},
                                     {x + w - 2, y + h * 0.55},
                                     {x + w - 1, y + h - 1}});
    hill.closeSubpath();
    p.setPen(brightPen());
    p.setBrush(Qt::black);
    p.drawPath(hill);
    p.setPen(dimPen());
    p.drawLine(QPointF(x + w * 0.3, y + h * 0.3), QPointF(x + w * 0.2, y + h * 0.55));
    p.drawLine(QPointF(x + w * 0.65, y + h * 0.25), QPointF(x + w * 0.78, y + h * 0.45));
    QPainterPath mouth;
    mouth.moveTo(x + w * 0.22, y + h - 1);
    mouth.cubicTo(x + w * 0.22, y + h * 0.38, x + w * 0.6, y + h * 0.38, x + w * 0.6, y + h - 1);
    mouth.closeSubpath();
    p.setPen(brightPen());
    p.setBrush(ink::dim());
    p.drawPath(mouth);
    person(p, QPointF(x + w * 0.78, y + h - 2), h * 0.5, true);
}

void shamanHut(QPainter& p, const QRectF& a) {
    const qreal cx = a.left() + a.width() * 0.42, ground = a.bottom() - 2;
    // Smoke curling up out of the roof.
    p.setPen(dimPen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink::smooth(
        {{cx + 2, a.top() + 22}, {cx + 7, a.top() + 15}, {cx + 2, a.top() + 9}, {cx + 8, a.top() + 2}}));
    p.drawPath(ink::smooth(
        {{cx + 6, a.top() + 20}, {cx + 13, a.top() + 14}, {cx + 10, a.top() + 7}, {cx + 16, a.top() + 1}}));
    // Round walls and a pointed thatch roof.
    p.setPen(brightPen());
    p.setBrush(Qt::black);
    p.drawRect(QRectF(cx - 22, ground - 20, 44, 20));
    QPolygonF roof;
    roof << QPointF(cx - 29, ground - 18) << QPointF(cx + 2, a.top() + 23) << QPointF(cx + 29, ground - 18);
    p.drawPolygon(roof);
    p.setPen(dimPen());
    for (int i = -2; i <= 2; ++i) // thatch
        p.drawLine(QPointF(cx + 2, a.top() + 25), QPointF(cx + i * 11, ground - 20));
    p.setPen(brightPen());
    p.setBrush(ink::dim());
    p.drawRoundedRect(QRectF(cx - 6, ground - 14, 12, 14), 5, 5); // door
    // A totem pole with a skull at the side.
    const qreal tx = a.right() - 8;
    p.setPen(brightPen(1.8));
    p.drawLine(QPointF(tx, ground), QPointF(tx, ground - 26));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(tx, ground - 29), 4.2, 4.2);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::bright());
    p.drawEllipse(QPointF(tx - 1.6, ground - 29.5), 1.1, 1.1);
    p.drawEllipse(QPointF(tx + 1.6, ground - 29.5), 1.1, 1.1);
}

void cousinWithDog(QPainter& p, const QRectF& a) {
    person(p, QPointF(a.left() + 8, a.bottom() - 1), 26, false);
    // The dog: body, head with a pointed ear, legs and a raised tail.
    const qreal x = a.left() + 14, y = a.bottom() - 10;
    p.setPen(brightPen(1.6));
    p.drawLine(QPointF(x + 2, y + 3), QPointF(x + 2, y + 9));
    p.drawLine(QPointF(x + 10, y + 3), QPointF(x + 10, y + 9));
    p.drawLine(QPointF(x + 12, y), QPointF(x + 14.5, y - 5)); // tail
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(x, y - 1, 12.5, 5), 2, 2);
    p.drawEllipse(QPointF(x - 1.5, y - 3), 3, 2.6);
    p.drawLine(QPointF(x - 1, y - 5), QPointF(x - 0.2, y - 8));
}

void pasture(QPainter& p, const QRectF& a) {
    // A rail fence round the field with posts at intervals.
    const QRectF field = a.adjusted(2, 4, -2, -2);
    p.setPen(brightPen(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field);
    p.setPen(dimPen(1.2));
    p.drawRect(field.adjusted(0, 4, 0, -4).intersected(field));
    p.setPen(brightPen(2.2));
    for (qreal x = field.left(); x <= field.right() + 0.5; x += field.width() / 8) {
        p.drawLine(QPointF(x, field.top() - 3), QPointF(x, field.top() + 3));
        p.drawLine(QPointF(x, field.bottom() - 3), QPointF(x, field.bottom() + 2));
    }
    ox(p, QPointF(a.left() + 48, a.top() + 26), 36, true);
    ox(p, QPointF(a.left() + 120, a.top() + 34), 36, false);
    scenery::grassTuft(p, QPointF(a.left() + 88, a.bottom() - 8), 8, ink::dim(), 1.2, 61);
    scenery::grassTuft(p, QPointF(a.left() + 160, a.bottom() - 9), 8, ink::dim(), 1.2, 62);
}

void cornField(QPainter& p, const QRectF& a) {
    const QRectF field = a.adjusted(2, 3, -2, -2);
    p.setPen(dimPen(1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field);
    // Rows of stalks with leaves and a cob.
    const int rows = 3, columns = 9;
    for (int r = 0; r < rows; ++r) {
        const qreal base = field.top() + (r + 1) * field.height() / rows - 3;
        for (int c = 0; c < columns; ++c) {
            const qreal x = field.left() + 9 + c * (field.width() - 18) / (columns - 1) + (r % 2) * 4;
            p.setPen(brightPen(1.5));
            p.drawLine(QPointF(x, base), QPointF(x, base - 20));
            p.drawLine(QPointF(x, base - 8), QPointF(x - 5, base - 13));
            p.drawLine(QPointF(x, base - 12), QPointF(x + 5, base - 17));
            p.setPen(dimPen(1.0));
            p.setBrush(ink::dim());
            p.drawEllipse(QPointF(x + 2.2, base - 8), 1.6, 3.2);
            p.setBrush(Qt::NoBrush);
        }
    }
}

void tentWithSpears(QPainter& p, const QRectF& a) {
    const QPointF base(a.center().x(), a.bottom() - 3);
    scenery::coneTent(p, base, a.width() * 0.62, a.height() * 0.74, ink::bright(), kLine);
    // Two spears crossed in front of the door.
    p.setPen(brightPen(1.8));
    const QLineF first(base + QPointF(-22, 2), base + QPointF(20, -38));
    const QLineF second(base + QPointF(22, 2), base + QPointF(-20, -38));
    p.drawLine(first);
    p.drawLine(second);
    p.setBrush(ink::bright());
    for (const QLineF& l : {first, second}) {
        const QPointF tip = l.p2(), dir = (l.p2() - l.p1()) / l.length();
        const QPointF side(-dir.y(), dir.x());
        QPolygonF blade;
        blade << tip + dir * 7 << tip + side * 2.4 << tip - dir * 2 << tip - side * 2.4;
        p.drawPolygon(blade);
    }
}

void plainTent(QPainter& p, const QRectF& a, bool ridge) {
    const QPointF base(a.center().x(), a.bottom() - 3);
    if (ridge)
        scenery::ridgeTent(p, base, a.width() * 0.82, a.height() * 0.72, ink::bright(), kLine);
    else
        scenery::coneTent(p, base, a.width() * 0.62, a.height() * 0.76, ink::bright(), kLine);
}

void auntsTent(QPainter& p, const QRectF& a) {
    const QPointF base(a.left() + a.width() * 0.4, a.bottom() - 3);
    scenery::coneTent(p, base, a.width() * 0.6, a.height() * 0.76, ink::bright(), kLine);
    // A cooking pot hanging from a tripod by the door.
    const qreal x = a.right() - 10, ground = a.bottom() - 3;
    p.setPen(brightPen(1.5));
    p.drawLine(QPointF(x - 7, ground), QPointF(x, ground - 20));
    p.drawLine(QPointF(x + 7, ground), QPointF(x, ground - 20));
    p.drawLine(QPointF(x, ground), QPointF(x, ground - 20));
    p.setPen(dimPen(1.2));
    p.drawLine(QPointF(x, ground - 20), QPointF(x, ground - 12));
    p.setPen(brightPen(1.5));
    p.setBrush(ink::dim());
    p.drawChord(QRectF(x - 5.5, ground - 14, 11, 10), 0, -180 * 16);
}

void eldersTent(QPainter& p, const QRectF& a) {
    const QPointF base(a.center().x() - 6, a.bottom() - 3);
    scenery::coneTent(p, base, a.width() * 0.8, a.height() * 0.7, ink::bright(), kLine * 1.1);
    // A tall pole with a long banner beside the tent.
    const qreal x = a.right() - 8;
    p.setPen(brightPen(2.0));
    p.drawLine(QPointF(x, a.bottom() - 2), QPointF(x, a.top() + 2));
    QPainterPath banner;
    banner.moveTo(x, a.top() + 4);
    banner.lineTo(x - 14, a.top() + 6);
    banner.lineTo(x - 11, a.top() + 14);
    banner.lineTo(x - 15, a.top() + 22);
    banner.lineTo(x, a.top() + 20);
    banner.closeSubpath();
    p.setBrush(ink::dim());
    p.drawPath(banner);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::bright());
    p.drawEllipse(QPointF(x - 6.5, a.top() + 13), 2.2, 2.2);
}

void well(QPainter& p, const QRectF& a) {
    const qreal cx = a.center().x(), bottom = a.bottom() - 2;
    // Posts, a little roof and the bucket on its rope.
    p.setPen(brightPen(1.8));
    p.drawLine(QPointF(cx - 14, bottom - 8), QPointF(cx - 14, a.top() + 7));
    p.drawLine(QPointF(cx + 14, bottom - 8), QPointF(cx + 14, a.top() + 7));
    QPolygonF roof;
    roof << QPointF(cx - 20, a.top() + 8) << QPointF(cx, a.top() + 1) << QPointF(cx + 20, a.top() + 8);
    p.setBrush(Qt::black);
    p.drawPolygon(roof);
    p.setPen(dimPen(1.2));
    p.drawLine(QPointF(cx, a.top() + 8), QPointF(cx, a.top() + 14));
    p.setPen(brightPen(1.4));
    p.drawRect(QRectF(cx - 3, a.top() + 14, 6, 5));
    // The stone ring.
    p.setPen(brightPen());
    p.setBrush(Qt::black);
    QPainterPath ring;
    ring.moveTo(cx - 16, bottom - 10);
    ring.lineTo(cx - 16, bottom - 2);
    ring.arcTo(QRectF(cx - 16, bottom - 6, 32, 8), 180, 180);
    ring.lineTo(cx + 16, bottom - 10);
    ring.closeSubpath();
    p.drawPath(ring);
    p.drawEllipse(QRectF(cx - 16, bottom - 14, 32, 8));
    p.setBrush(ink::dim());
    p.drawEllipse(QRectF(cx - 11, bottom - 12.5, 22, 5));
    p.setPen(dimPen(1.2));
    for (const qreal x : {-9.0, 0.0, 9.0})
        p.drawLine(QPointF(cx + x, bottom - 6), QPointF(cx + x, bottom - 1.5));
}

void stoneHead(QPainter& p, const QRectF& a) {
    const qreal cx = a.center().x(), top = a.top() + 2, bottom = a.bottom() - 2;
    p.setPen(brightPen());
    p.setBrush(Qt::black);
    p.drawRect(QRectF(cx - 22, bottom - 7, 44, 7)); // plinth
    // A long heavy face with a flat brow.
    QPainterPath face;
    face.moveTo(cx - 13, top + 2);
    face.lineTo(cx + 13, top + 2);
    face.lineTo(cx + 15, top + 24);
    face.lineTo(cx + 12, bottom - 7);
    face.lineTo(cx - 12, bottom - 7);
    face.lineTo(cx - 15, top + 24);
    face.closeSubpath();
    p.drawPath(face);
    p.drawRect(QRectF(cx - 19, top + 14, 4, 14)); // ears
    p.drawRect(QRectF(cx + 15, top + 14, 4, 14));
    p.setPen(brightPen(2.4));
    p.drawLine(QPointF(cx - 12, top + 13), QPointF(cx + 12, top + 13)); // brow
    p.setPen(Qt::NoPen);
    p.setBrush(ink::dim());
    p.drawRect(QRectF(cx - 10, top + 15, 7, 4)); // deep-set eyes
    p.drawRect(QRectF(cx + 3, top + 15, 7, 4));
    p.setPen(brightPen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF{{QPointF(cx, top + 14), QPointF(cx - 3, top + 30), QPointF(cx + 3, top + 31)}}); // nose
    p.drawLine(QPointF(cx - 7, top + 37), QPointF(cx + 7, top + 37)); // set mouth
    p.setPen(dimPen(1.2));
    p.drawLine(QPointF(cx + 8, top + 4), QPointF(cx + 5, top + 10)); // a crack
    p.drawLine(QPointF(cx - 11, bottom - 12), QPointF(cx - 6, bottom - 9));
}

void forestEdge(QPainter& p, const QRectF& a) {
    scenery::pineTree(p, QPointF(a.left() + 8, a.top() + 24), 22, ink::bright(), 1.5);
    scenery::pineTree(p, QPointF(a.left() + 17, a.top() + 38), 24, ink::bright(), 1.5);
    scenery::pineTree(p, QPointF(a.left() + 8, a.bottom() - 1), 22, ink::bright(), 1.5);
}

void temple(QPainter& p, const QRectF& a) {
    const qreal left = a.left() + 3, right = a.right() - 3;
    p.setPen(brightPen(1.6));
    p.setBrush(Qt::black);
    QPolygonF pediment;
    pediment << QPointF(left - 1, a.top() + 8) << QPointF(a.center().x(), a.top() + 1)
             << QPointF(right + 1, a.top() + 8);
    p.drawPolygon(pediment);
    p.drawLine(QPointF(left, a.top() + 9.5), QPointF(right, a.top() + 9.5));
    for (int i = 0; i < 5; ++i) {
        const qreal x = left + 3 + i * (right - left - 6) / 4;
        p.drawLine(QPointF(x, a.top() + 10), QPointF(x, a.bottom() - 4));
    }
    p.drawLine(QPointF(left - 1, a.bottom() - 3), QPointF(right + 1, a.bottom() - 3));
    p.drawLine(QPointF(left - 3, a.bottom() - 1), QPointF(right + 3, a.bottom() - 1));
}

void bridge(QPainter& p, const QRectF& a) {
    // Plank deck across the canyon, posts at both ends, a hand rope on each side.
    const qreal left = a.left() + 3, right = a.right() - 3, deck = a.center().y() + 4;
    p.setPen(brightPen(1.6));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(left, deck - 5, right - left, 10));
    p.setPen(dimPen(1.2));
    for (qreal x = left + 6; x < right; x += 6)
        p.drawLine(QPointF(x, deck - 5), QPointF(x, deck + 5));
    p.setPen(brightPen(2.4));
    for (const qreal x : {left + 1, right - 1}) {
        p.drawLine(QPointF(x, deck - 14), QPointF(x, deck - 5));
        p.drawLine(QPointF(x, deck + 5), QPointF(x, deck + 14));
    }
    p.setPen(brightPen(1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ink::smooth({{left + 1, deck - 13}, {a.center().x(), deck - 8}, {right - 1, deck - 13}}));
    p.drawPath(ink::smooth({{left + 1, deck + 13}, {a.center().x(), deck + 17}, {right - 1, deck + 13}}));
}

void backArrow(QPainter& p, const QRectF& a) {
    p.setPen(dimPen(1.2));
    p.setBrush(Qt::black);
    p.drawRoundedRect(a.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QPolygonF arrow;
    const qreal cy = a.center().y();
    arrow << QPointF(a.left() + 3, cy) << QPointF(a.left() + 10, cy - 7) << QPointF(a.left() + 10, cy - 3)
          << QPointF(a.right() - 3, cy - 3) << QPointF(a.right() - 3, cy + 3)
          << QPointF(a.left() + 10, cy + 3) << QPointF(a.left() + 10, cy + 7);
    p.setPen(brightPen(1.2));
    p.setBrush(ink::bright());
    p.drawPolygon(arrow);
}

} // namespace pictures::mapplaces
