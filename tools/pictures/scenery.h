// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reusable pieces of landscape line art: tents, trees, rocks, grass, stars and the moon.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace pictures::scenery {

// Every piece is drawn in one ink colour (its fill is black so nearer pieces hide farther ones);
// inner details use a darker shade of the same ink. `base` is the bottom centre of the piece.

void coneTent(QPainter& p, QPointF base, qreal width, qreal height, const QColor& ink, qreal lineWidth);
void ridgeTent(QPainter& p, QPointF base, qreal width, qreal height, const QColor& ink, qreal lineWidth);
void leafyTree(QPainter& p, QPointF base, qreal height, const QColor& ink, qreal lineWidth, unsigned seed);
void pineTree(QPainter& p, QPointF base, qreal height, const QColor& ink, qreal lineWidth);
void rock(QPainter& p, QPointF base, qreal size, const QColor& ink, qreal lineWidth, unsigned seed);
void grassTuft(QPainter& p, QPointF base, qreal height, const QColor& ink, qreal lineWidth, unsigned seed);
void campfire(QPainter& p, QPointF base, qreal size, const QColor& ink, qreal lineWidth);

// Scattered stars: mostly dots, a few four-pointed sparkles.
void stars(QPainter& p, const QRectF& area, int count, const QColor& ink, unsigned seed);
void crescentMoon(QPainter& p, QPointF centre, qreal radius, const QColor& ink);

// A ragged line of hills or cliffs from left to right, `roughness` pixels up and down.
void ridgeLine(QPainter& p, qreal left, qreal right, qreal y, qreal roughness, const QColor& ink,
               qreal lineWidth, unsigned seed);

} // namespace pictures::scenery
