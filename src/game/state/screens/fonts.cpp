// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog's host window.
#include "fonts.h"

namespace cv::screens {

Fonts::Fonts() {
    window.name = "fonts";
    window.caption = "fonts";
    window.frame = Frame::TitleClose;
    window.width = 200;
    window.height = 100;
}

} // namespace cv::screens
