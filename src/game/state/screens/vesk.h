// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The wrist computer with the village's five quest lines.
#pragma once

#include <array>

#include "../screen.h"

namespace cv::screens {

struct Vesk : Screen {
    Picture Image2, Image3;
    Label ar;
    std::array<Label, 5> z; // z1 .. z5
    Vesk();
};

} // namespace cv::screens
