// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon on its windows, in every size the picture maker draws.
#pragma once

#include <QIcon>

namespace cv::qt {

// Each size is decoded the first time a window system asks for it, so that the icon costs start-up nothing.
QIcon gameIcon();

} // namespace cv::qt
