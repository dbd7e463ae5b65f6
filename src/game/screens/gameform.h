// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen: story text, the choice panel, the conversation lines and the side buttons.
#pragma once

#include <array>

#include "../controls.h"

namespace cv::screens {

struct Gameform {
    Window window;
    Picture fon;
    Label m1, m2;
    Panel choose;
    Label Label1;                 // heading of the choice panel
    std::array<RadioButton, 5> c; // c1 .. c5, in panel coordinates
    Button ready;
    Label rep;
    std::array<Label, 5> a; // a1 .. a5
    Picture pros;
    Button mapb, BitBtn2, BitBtn3, BitBtn1;

    Gameform();
};

} // namespace cv::screens
