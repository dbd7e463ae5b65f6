// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Texts drawn in the stand-in fonts: the size that keeps a text inside its label or button, and a label's
// text, font and colour brought up to date.
#pragma once

#include <QFont>
#include <QString>
#include <functional>

#include "game/vocab/controls.h"

class QAbstractButton;
class QLabel;

namespace cv::qt {

// The size a text is drawn at: `size` where it fits, else the largest smaller size that fits, and never
// below 7 pixels (7 when nothing larger fits), found by halving.
int largestFittingSize(int size, const std::function<bool(int)>& fits);

// A label's text, font and colour, touched only where they change; the font at the largest size up to the
// model's that keeps the text inside the label (a wrapped one within its height).
void syncText(QLabel* w, const QString& text, const Font& font, const Color& color);

// A button's caption, drawn smaller where it is wider than the button.
void syncCaption(QAbstractButton* w, const QString& text);

} // namespace cv::qt
