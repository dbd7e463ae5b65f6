// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads what a window shows, control by control, for the script player and the window tests.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

namespace cv::qt {

// The controls of a window: its named widgets, in creation order.
QList<QWidget*> controlsOf(QWidget* window);
QWidget* findControl(QWidget* window, const QString& name);

// A property as the script player names it (text, visible, enabled, checked, left, top, width, height,
// picture, hint, cursor, items, selected); nothing when the control has no such property.
std::optional<QString> controlProperty(QWidget* control, const QString& property);
std::optional<QString> windowProperty(QWidget* window, const QString& property);

// One line: "WINDOW.CONTROL prop=value ...".
QString describeControl(QWidget* window, QWidget* control);
QString describeWindow(QWidget* window);

} // namespace cv::qt
