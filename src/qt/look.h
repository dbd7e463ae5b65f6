// The game's look: converting the core's colours and fonts, and the green-on-black style sheet.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "game/controls.h"

namespace cv::qt {

QColor toQColor(const Color& c);
QFont toQFont(const Font& f);
Font fromQFont(const QFont& f);
// The installed face that stands in for a requested font, in the plain style of the requested weight.
QFont standInFont(const Font& f);

// Installs font substitutes with Cyrillic letters, the hint delay and the style sheet.
void applyLook();

} // namespace cv::qt
