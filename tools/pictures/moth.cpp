// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the moth emblem: two pairs of wings with eye spots, a furry body and feathered feelers.
#include "moth.h"

#include "ink.h"

namespace pictures {
namespace {

// One side of the moth in units where the span is 2 (x from 0 to 1 is the right half).
void drawWings(QPainter& p, qreal lineWidth) {
    QPainterPath fore = ink::smooth(
        {{0.06, -0.12}, {0.45, -0.5}, {0.98, -0.52}, {0.86, -0.22}, {0.5, 0.02}, {0.08, 0.04}}, true);
    QPainterPath hind =
        ink::smooth({{0.07, 0.06}, {0.5, 0.06}, {0.72, 0.3}, {0.5, 0.56}, {0.18, 0.5}, {0.06, 0.22}}, true);
    p.setPen(ink::line(ink::bright(), lineWidth));
    p.setBrush(Qt::black);
    p.drawPath(hind);
    p.drawPath(fore);

    // Veins and the scalloped inner line.
    p.setPen(ink::line(ink::dim(), lineWidth * 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0.08, -0.06), QPointF(0.8, -0.42));
    p.drawLine(QPointF(0.1, -0.02), QPointF(0.8, -0.2));
    p.drawLine(QPointF(0.1, 0.1), QPointF(0.55, 0.42));
    p.drawLine(QPointF(0.1, 0.14), QPointF(0.32, 0.48));
    p.drawPath(ink::smooth({{0.3, -0.3}, {0.55, -0.4}, {0.78, -0.36}, {0.7, -0.16}}));

    // Eye spots.
    p.setPen(ink::line(ink::bright(), lineWidth * 0.8));
    p.drawEllipse(QPointF(0.55, -0.22), 0.09, 0.09);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::bright());
    p.drawEllipse(QPointF(0.55, -0.22), 0.035, 0.035);
    p.setBrush(ink::dim());
    p.drawEllipse(QPointF(0.4, 0.3), 0.07, 0.07);
}

} // namespace

void drawMoth(QPainter& painter, QPointF centre, qreal span, qreal lineWidth) {
    const qreal unit = span / 2.0;
    painter.save();
    painter.translate(centre);
    painter.scale(unit, unit);

    drawWings(painter, lineWidth);
    painter.save();
    painter.scale(-1, 1);
    drawWings(painter, lineWidth);
    painter.restore();

    // Feelers, feathered along their length.
    painter.setPen(ink::line(ink::bright(), lineWidth * 0.8));
    painter.setBrush(Qt::NoBrush);
    for (const qreal side : {-1.0, 1.0}) {
        painter.drawPath(ink::smooth({{0.02 * side, -0.26}, {0.12 * side, -0.42}, {0.26 * side, -0.5}}));
        painter.setPen(ink::line(ink::dim(), lineWidth * 0.6));
        for (int i = 1; i < 4; ++i) {
            const QPointF at(side * (0.04 + i * 0.055), -0.3 - i * 0.055);
            painter.drawLine(at, at + QPointF(side * 0.05, 0.03));
            painter.drawLine(at, at + QPointF(-side * 0.02, -0.05));
        }
        painter.setPen(ink::line(ink::bright(), lineWidth * 0.8));
    }

    // Body: head, thorax and a ringed abdomen.
    painter.setPen(ink::line(ink::bright(), lineWidth));
    painter.setBrush(ink::dim());
    painter.drawEllipse(QPointF(0, 0.12), 0.07, 0.3);
    painter.drawEllipse(QPointF(0, -0.12), 0.085, 0.12);
    painter.drawEllipse(QPointF(0, -0.25), 0.055, 0.05);
    painter.setPen(ink::line(ink::bright(), lineWidth * 0.6));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(-0.055, 0.12 + i * 0.08), QPointF(0.055, 0.12 + i * 0.08));

    painter.restore();
}

} // namespace pictures
