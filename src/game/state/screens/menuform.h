// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu.
#pragma once

#include "../screen.h"

namespace cv::screens {

struct Menuform : Screen {
    Button BitBtn6, BitBtn4, BitBtn1, BitBtn3; // new game, credits, help, exit
    Menuform();
};

} // namespace cv::screens
