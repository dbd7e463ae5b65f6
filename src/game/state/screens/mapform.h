// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The village map: fifteen places and the way back.
#pragma once

#include <array>
#include <string_view>

#include "../screen.h"

namespace cv::screens {

struct Mapform : Screen {
    Label Label1;
    // The fifteen location pictures in location order (1 .. 15), then the back picture.
    std::array<Picture, 16> place;
    Mapform();
};
// The pictures' control names, in the same order: the picture of location n is place[n - 1].
inline constexpr std::array<std::string_view, 16> kPlaceNames{
    "Image12", "Image15", "Image16", "Image3", "Image13", "Image5",  "Image7",  "Image14",
    "Image6",  "Image8",  "Image4",  "Image2", "Image9",  "Image10", "Image11", "Image17"};
inline constexpr int kMapBack = 15; // place[15] is "Назад"

} // namespace cv::screens
