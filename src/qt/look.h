// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's look: converting the core's colours and fonts, and the green-on-black style sheet.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "game/vocab/controls.h"

namespace cv::qt {

// A fixed picture of the layouts, by its name: compiled into the program, expanded at each call.
QImage layoutImage(const QString& name);
QPixmap layoutPixmap(const QString& name);

QColor toQColor(const Color& c);
QFont toQFont(const Font& f);
Font fromQFont(const QFont& f);
// The installed face that stands in for a requested font, in the plain style of the requested weight.
QFont standInFont(const Font& f);

// Installs font substitutes with Cyrillic letters, the style with its hint delay, and the palette.
void applyLook();
// Installs the green-on-black style sheet and Qt's own Russian translations, once. The main menu needs
// neither, so the program puts them off until the first other window or message box is built.
void ensureStyleSheet();
// Loads Qt's own Russian translations, so that the standard dialogs and menus speak the game's language.
void installTranslations();

} // namespace cv::qt
