// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The layouts' ready-made labels: the small bold texts of the sheet and the texts of the fight and the
// inventory, each at its place.
#pragma once

#include <string>

#include "../../vocab/controls.h"

namespace cv::screens {

// The sheet's captions and values: bold, 9 pixels, a row of 11.
inline Label smallLabel(int left, int top, int width, std::string text, Color color = brightGreen) {
    return makeLabel(left, top, width, 11, std::move(text), color, Font{"MS Sans Serif", 9, true});
}

// The fight's and the inventory's texts: bold, 11 pixels, a row of 13.
inline const Font kFightText{"MS Sans Serif", 11, true};
inline Label text(int left, int top, int width, std::string words, Color color = brightGreen,
                  Font font = kFightText) {
    return makeLabel(left, top, width, 13, std::move(words), color, std::move(font));
}
inline NumberLabel number(int left, int top, int width, Color color = brightGreen) {
    NumberLabel n;
    n.place(left, top, width, 13);
    n.color = color;
    n.font = kFightText;
    return n;
}

} // namespace cv::screens
