// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the game: clickable texts and pictures as buttons that can be pressed,
// named by their text or hint, and new story texts, partner's lines and fight messages announced.
#pragma once

class QWidget;

namespace cv::qt {

// Installs the accessible interface of the game's clickable texts and pictures, once.
void installAccessibility();

// Tells screen readers that a text changed, without moving the focus.
void announce(QWidget* label);

} // namespace cv::qt
