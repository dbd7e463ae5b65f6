// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A standing person seen from the side, facing right, with or without something in hand.
#pragma once

#include <QPainter>
#include <QRectF>

namespace pictures {

enum class Build { Woman, Man };
enum class Held { Nothing, Knife, Pistol, Spear };

// Fits the person into the box (feet on its bottom edge, centred across) and draws it.
// Larger boxes get more detail: face, fingers, belt buckle, folds.
void drawFigure(QPainter& painter, const QRectF& box, Build build, Held held);

} // namespace pictures
