// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the game and what they speak: clickable texts and pictures as buttons to
// press, plain texts as texts, decorations and covered texts kept off the bus, the controls of a window the
// game disables read as disabled; new texts spoken by moving the focus to them, passing messages as
// notifications.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace cv::qt {

// Installs the accessible interfaces of the game's widgets, once.
void installAccessibility();

// Keeps a widget off the screen readers' view while `hidden` says so (asked whenever a reader looks): a
// text covered by a panel, a part of a figure read as one phrase, a picture that is only decoration.
void hideFromReaders(QWidget* w, std::function<bool()> hidden);

// Whether a widget is kept off the screen readers' view now.
bool hiddenFromReaders(const QWidget* w);

// Speaks a text by moving the keyboard's focus to it: the text is read as the focused object, once. A text
// that has the focus already becomes a new object for the readers, which speak only a focus that moves.
void speakByFocus(QWidget* text);

// Speaks a passing message without moving the focus: a notification of the window, shown and at once
// hidden again, so that nothing stale stays to be read.
void notice(QWidget* window, const QString& text);

// Tells the readers that the controls of a window took or lost its input (the game disabled or enabled it).
void windowGateChanged(QWidget* window);

} // namespace cv::qt
