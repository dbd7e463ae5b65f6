// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Small drawings of the village's places, each fitted into the clickable area the map gives it.
#pragma once

#include <QPainter>
#include <QRectF>

namespace pictures::mapplaces {

void caveWithGuard(QPainter& p, const QRectF& area);
void shamanHut(QPainter& p, const QRectF& area);
void cousinWithDog(QPainter& p, const QRectF& area);
void pasture(QPainter& p, const QRectF& area);
void cornField(QPainter& p, const QRectF& area);
void tentWithSpears(QPainter& p, const QRectF& area);
void plainTent(QPainter& p, const QRectF& area, bool ridge);
void auntsTent(QPainter& p, const QRectF& area);
void eldersTent(QPainter& p, const QRectF& area);
void well(QPainter& p, const QRectF& area);
void stoneHead(QPainter& p, const QRectF& area);
void forestEdge(QPainter& p, const QRectF& area);
void temple(QPainter& p, const QRectF& area);
void bridge(QPainter& p, const QRectF& area);
void backArrow(QPainter& p, const QRectF& area);

} // namespace pictures::mapplaces
