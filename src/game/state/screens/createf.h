// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ready-made character screen.
#pragma once

#include <array>

#include "../screen.h"

namespace cv::screens {

struct Createf : Screen {
    Picture Image2, Image1; // background, portrait
    Label k;
    std::array<Label, 7> statCaption, statValue;
    std::array<Label, 7> lineCaption, lineValue;
    Picture Image4, Image3, Image5; // take, create, back
    Createf();
};

} // namespace cv::screens
