// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared palette and drawing helpers: green ink on black, pens, lettering and frames.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <initializer_list>

namespace pictures::ink {

inline QColor bright() {
    return QColor(0, 255, 0);
}
inline QColor dim() {
    return QColor(0, 128, 0);
}
// For the barely visible lines that may cross areas where the game prints text.
inline QColor faint() {
    return QColor(0, 40, 0);
}
inline QColor black() {
    return QColor(0, 0, 0);
}

// A black picture of the given size in the layout's points, at the current density of pixels.
QImage canvas(int width, int height);
// 1 for the pictures of ordinary screens, 2 for those of high-density screens.
void setDensity(qreal pixelsPerPoint);
qreal currentDensity();

// Turns on antialiasing for shapes and lettering.
void prepare(QPainter& painter);

// A round-capped pen whose width is in picture pixels whatever the painter's scale.
QPen line(const QColor& colour, qreal width);

// Bold DejaVu Sans at the given pixel size: it has every Cyrillic letter we need.
QFont letters(int pixelSize);

// Draws text in a box with the given alignment flags.
void text(QPainter& painter, const QRectF& box, const QString& words, int pixelSize, const QColor& colour,
          int flags = Qt::AlignCenter);

// An outlined rectangle; the line stays inside the given edges.
void frame(QPainter& painter, const QRectF& box, const QColor& colour, qreal width);

// Bright outer line, dark inner line: the usual frame of our screens.
void doubleFrame(QPainter& painter, const QRectF& box, qreal gap = 3.0);

// A smooth path through the given points (Catmull-Rom turned into cubic pieces).
QPainterPath smooth(std::initializer_list<QPointF> points, bool closed = false);

// The outline of a thick stroke along the given points: used for limbs, tails and shafts.
QPainterPath limb(std::initializer_list<QPointF> points, qreal width);

// Fills a shape with dark green and outlines it in bright green.
void solid(QPainter& painter, const QPainterPath& shape, qreal outline);

// Darkens everything inside the box to at most the given level, fading out over `feather` pixels
// around it, so text printed there later stays readable.
void hush(QImage& image, const QRect& box, int level, int feather);

} // namespace pictures::ink
