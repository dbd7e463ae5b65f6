// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The aimed attack's body-part screen.
#pragma once

#include <array>

#include "../screen.h"

namespace cv::screens {

struct Accform : Screen {
    Panel pric;
    std::array<RadioButton, 5> b; // b1 .. b5: eyes, head, groin, leg, arm
    std::array<Label, 5> t;       // t1 .. t5: their chances
    Button ready;                 // "Бить"
    Accform();
};

} // namespace cv::screens
