// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The brass moth emblem of the post, drawn at any size.
#pragma once

#include <QPainter>
#include <QPointF>

namespace pictures {

// A moth with spread wings seen from above; `span` is the width from wing tip to wing tip.
void drawMoth(QPainter& painter, QPointF centre, qreal span, qreal lineWidth);

} // namespace pictures
