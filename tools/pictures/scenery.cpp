// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing of the landscape pieces shared by the backgrounds, the menu and the map.
#include "scenery.h"

#include "ink.h"
#include "seeded.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QVector>
#include <cmath>
#include <numbers>

namespace pictures::scenery {
namespace {

QColor shade(const QColor& ink) {
    return QColor(0, ink.green() / 2, 0);
}

void outlined(QPainter& p, const QPainterPath& shape, const QColor& ink, qreal lineWidth) {
    p.setPen(ink::line(ink, lineWidth));
    p.setBrush(Qt::black);
    p.drawPath(shape);
}

} // namespace

void coneTent(QPainter& p, QPointF base, qreal width, qreal height, const QColor& ink, qreal lineWidth) {
    const qreal x = base.x(), y = base.y(), half = width / 2;
    const QPointF apex(x, y - height);
    p.save();
    // Poles sticking out above the top.
    p.setPen(ink::line(ink, lineWidth));
    p.drawLine(apex, apex + QPointF(-height * 0.12, -height * 0.16));
    p.drawLine(apex, apex + QPointF(height * 0.1, -height * 0.17));
    p.drawLine(apex, apex + QPointF(height * 0.01, -height * 0.2));

    QPainterPath body;
    body.moveTo(apex);
    body.lineTo(x + half, y);
    body.quadTo(x, y + height * 0.06, x - half, y);
    body.closeSubpath();
    outlined(p, body, ink, lineWidth);

    // Seams, a zig-zag band and the door.
    const QColor detail = shade(ink);
    p.setPen(ink::line(detail, lineWidth * 0.7));
    p.drawLine(apex, QPointF(x - half * 0.55, y + height * 0.02));
    p.drawLine(apex, QPointF(x + half * 0.55, y + height * 0.02));
    const qreal bandY = y - height * 0.42, bandHalf = half * 0.42, step = width * 0.07;
    QPolygonF zigzag;
    for (qreal bx = x - bandHalf, k = 0; bx <= x + bandHalf; bx += step, ++k)
        zigzag << QPointF(bx, bandY + (int(k) % 2 ? -step * 0.6 : 0));
    p.drawPolyline(zigzag);
    QPainterPath door;
    door.moveTo(x - half * 0.28, y + height * 0.03);
    door.lineTo(x, y - height * 0.36);
    door.lineTo(x + half * 0.28, y + height * 0.03);
    p.setPen(ink::line(ink, lineWidth * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(door);
    p.drawLine(QPointF(x, y - height * 0.36), QPointF(x + half * 0.12, y + height * 0.03));
    p.restore();
}

void ridgeTent(QPainter& p, QPointF base, qreal width, qreal height, const QColor& ink, qreal lineWidth) {
    // The front triangle takes the left part; the roof runs back to the right.
    const qreal front = width * 0.55, depth = width - front;
    const QPointF frontLeft(base.x() - width / 2, base.y());
    const QPointF frontRight(frontLeft.x() + front, base.y());
    const QPointF apex(frontLeft.x() + front / 2, base.y() - height);
    const QPointF backApex(apex.x() + depth, apex.y() + height * 0.12);
    const QPointF backRight(frontRight.x() + depth, base.y() - height * 0.1);
    p.save();
    QPainterPath roof;
    roof.moveTo(apex);
    roof.lineTo(backApex);
    roof.lineTo(backRight);
    roof.lineTo(frontRight);
    roof.closeSubpath();
    outlined(p, roof, ink, lineWidth);
    QPainterPath face;
    face.moveTo(apex);
    face.lineTo(frontRight);
    face.lineTo(frontLeft);
    face.closeSubpath();
    outlined(p, face, ink, lineWidth);

    const QColor detail = shade(ink);
    p.setPen(ink::line(detail, lineWidth * 0.7));
    for (int i = 1; i < 3; ++i) {
        const qreal t = i / 3.0;
        p.drawLine(apex + (backApex - apex) * t, frontRight + (backRight - frontRight) * t);
    }
    p.setPen(ink::line(ink, lineWidth * 0.8));
    const QPointF doorTop = apex + QPointF(0, height * 0.3);
    p.drawLine(doorTop, QPointF(apex.x() - front * 0.18, base.y()));
    p.drawLine(doorTop, QPointF(apex.x() + front * 0.18, base.y()));
    // Guy lines and pegs.
    p.setPen(ink::line(detail, lineWidth * 0.6));
    p.drawLine(apex, frontLeft + QPointF(-width * 0.12, 0));
    p.drawLine(backApex, backRight + QPointF(width * 0.1, height * 0.08));
    p.restore();
}

void leafyTree(QPainter& p, QPointF base, qreal height, const QColor& ink, qreal lineWidth, unsigned seed) {
    Seeded random(seed);
    const qreal trunk = height * 0.07;
    const QPointF crown(base.x(), base.y() - height * 0.62);
    const qreal radius = height * 0.36;
    p.save();
    QPainterPath stem;
    stem.moveTo(base + QPointF(-trunk * 1.4, 0));
    stem.quadTo(base + QPointF(-trunk * 0.6, -height * 0.2), crown + QPointF(-trunk * 0.6, radius * 0.3));
    stem.lineTo(crown + QPointF(trunk * 0.6, radius * 0.3));
    stem.quadTo(base + QPointF(trunk * 0.6, -height * 0.2), base + QPointF(trunk * 1.4, 0));
    outlined(p, stem, ink, lineWidth);

    // Crown: a lumpy outline made of overlapping bulges.
    QPainterPath leaves;
    leaves.setFillRule(Qt::WindingFill);
    const int lumps = 9;
    for (int i = 0; i < lumps; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / lumps + random.range(-0.15, 0.15);
        const qreal r = radius * random.range(0.62, 0.78);
        const QPointF at = crown + QPointF(std::cos(angle) * r, std::sin(angle) * r * 0.85);
        const qreal lump = radius * random.range(0.36, 0.48);
        leaves.addEllipse(at, lump, lump);
    }
    leaves.addEllipse(crown, radius * 0.7, radius * 0.62);
    outlined(p, leaves.simplified(), ink, lineWidth);

    const QColor detail = shade(ink);
    p.setPen(ink::line(detail, lineWidth * 0.7));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        const QPointF at =
            crown + QPointF(random.range(-0.5, 0.5) * radius, random.range(-0.45, 0.45) * radius);
        p.drawArc(QRectF(at.x() - radius * 0.15, at.y() - radius * 0.1, radius * 0.3, radius * 0.22),
                  200 * 16, 140 * 16);
    }
    p.drawLine(crown + QPointF(0, radius * 0.3), crown + QPointF(-radius * 0.25, -radius * 0.05));
    p.drawLine(crown + QPointF(0, radius * 0.2), crown + QPointF(radius * 0.3, -radius * 0.1));
    p.restore();
}

void pineTree(QPainter& p, QPointF base, qreal height, const QColor& ink, qreal lineWidth) {
    p.save();
    p.setPen(ink::line(ink, lineWidth * 1.3));
    p.drawLine(base, base + QPointF(0, -height * 0.2));
    const int tiers = 3;
    for (int i = 0; i < tiers; ++i) {
        const qreal bottom = base.y() - height * (0.15 + 0.24 * i);
        const qreal top = bottom - height * 0.42;
        const qreal half = height * (0.3 - 0.07 * i);
        QPainterPath tier;
        tier.moveTo(base.x(), top);
        tier.lineTo(base.x() + half, bottom);
        tier.quadTo(base.x(), bottom - height * 0.05, base.x() - half, bottom);
        tier.closeSubpath();
        outlined(p, tier, ink, lineWidth);
    }
    p.restore();
}

void rock(QPainter& p, QPointF base, qreal size, const QColor& ink, qreal lineWidth, unsigned seed) {
    Seeded random(seed);
    const qreal w = size, h = size * random.range(0.5, 0.68);
    // An angular boulder: a jagged top, a lit face and a crack.
    const QPointF peak = base + QPointF(w * random.range(-0.15, 0.1), -h);
    const QPointF shoulder = base + QPointF(w * 0.3, -h * random.range(0.75, 0.9));
    QPolygonF outline;
    outline << base + QPointF(-w / 2, 0) << base + QPointF(-w * 0.44, -h * 0.45)
            << base + QPointF(-w * 0.26, -h * 0.82) << peak << shoulder << base + QPointF(w * 0.47, -h * 0.38)
            << base + QPointF(w / 2, 0);
    p.save();
    p.setPen(ink::line(ink, lineWidth));
    p.setBrush(Qt::black);
    p.drawPolygon(outline);
    p.setPen(ink::line(shade(ink), lineWidth * 0.8));
    p.drawLine(peak, base + QPointF(w * 0.05, -h * 0.35));
    p.drawLine(base + QPointF(w * 0.05, -h * 0.35), base + QPointF(w * 0.47, -h * 0.38));
    p.drawLine(base + QPointF(w * 0.05, -h * 0.35), base + QPointF(-w * 0.05, 0));
    p.drawLine(shoulder, base + QPointF(w * 0.25, -h * 0.36));
    p.restore();
}

void grassTuft(QPainter& p, QPointF base, qreal height, const QColor& ink, qreal lineWidth, unsigned seed) {
    Seeded random(seed);
    p.save();
    p.setPen(ink::line(ink, lineWidth));
    p.setBrush(Qt::NoBrush);
    const int blades = 5;
    for (int i = 0; i < blades; ++i) {
        const qreal lean = (i - (blades - 1) / 2.0) * height * 0.22 + random.range(-2, 2);
        const qreal h = height * random.range(0.6, 1.0);
        QPainterPath blade;
        const QPointF root = base + QPointF((i - 2) * lineWidth, 0);
        blade.moveTo(root);
        blade.quadTo(root + QPointF(lean * 0.2, -h * 0.6), root + QPointF(lean, -h));
        p.drawPath(blade);
    }
    p.restore();
}

void campfire(QPainter& p, QPointF base, qreal size, const QColor& ink, qreal lineWidth) {
    p.save();
    p.setPen(ink::line(ink, lineWidth * 1.4));
    p.drawLine(base + QPointF(-size * 0.6, 0), base + QPointF(size * 0.5, -size * 0.25));
    p.drawLine(base + QPointF(size * 0.6, 0), base + QPointF(-size * 0.5, -size * 0.25));
    QPainterPath flame;
    flame.moveTo(base + QPointF(-size * 0.3, -size * 0.15));
    flame.quadTo(base + QPointF(-size * 0.45, -size * 0.7), base + QPointF(-size * 0.05, -size * 1.1));
    flame.quadTo(base + QPointF(0, -size * 0.7), base + QPointF(size * 0.15, -size * 0.65));
    flame.quadTo(base + QPointF(size * 0.25, -size * 0.85), base + QPointF(size * 0.2, -size * 1.0));
    flame.quadTo(base + QPointF(size * 0.5, -size * 0.6), base + QPointF(size * 0.3, -size * 0.15));
    flame.closeSubpath();
    p.setPen(ink::line(ink, lineWidth));
    p.setBrush(shade(ink));
    p.drawPath(flame);
    // Sparks rising.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(base + QPointF(size * 0.1, -size * 1.35), lineWidth * 0.6, lineWidth * 0.6);
    p.drawEllipse(base + QPointF(-size * 0.25, -size * 1.55), lineWidth * 0.5, lineWidth * 0.5);
    p.drawEllipse(base + QPointF(size * 0.3, -size * 1.7), lineWidth * 0.5, lineWidth * 0.5);
    p.restore();
}

void stars(QPainter& p, const QRectF& area, int count, const QColor& ink, unsigned seed) {
    Seeded random(seed);
    p.save();
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.range(area.left(), area.right()), random.range(area.top(), area.bottom()));
        const double kind = random.unit();
        if (kind < 0.15) {
            p.setPen(ink::line(ink, 1.2));
            p.drawLine(at + QPointF(-3.5, 0), at + QPointF(3.5, 0));
            p.drawLine(at + QPointF(0, -3.5), at + QPointF(0, 3.5));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(kind < 0.55 ? ink : shade(ink));
            p.drawEllipse(at, 1.1, 1.1);
        }
    }
    p.restore();
}

void crescentMoon(QPainter& p, QPointF centre, qreal radius, const QColor& ink) {
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.45, -radius * 0.2), radius * 0.9, radius * 0.9);
    p.save();
    p.setPen(ink::line(ink, 2.0));
    p.setBrush(shade(ink));
    p.drawPath(disc.subtracted(bite));
    p.restore();
}

void ridgeLine(QPainter& p, qreal left, qreal right, qreal y, qreal roughness, const QColor& ink,
               qreal lineWidth, unsigned seed) {
    Seeded random(seed);
    QPolygonF points;
    const qreal step = 18.0;
    qreal height = 0;
    for (qreal x = left; x <= right + step; x += step) {
        height = height * 0.6 + random.range(-1.0, 1.0) * roughness;
        points << QPointF(std::min(x, right), y + height);
    }
    p.save();
    p.setPen(ink::line(ink, lineWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points);
    p.restore();
}

} // namespace pictures::scenery
