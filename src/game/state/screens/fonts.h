// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog's host window.
#pragma once

#include "../screen.h"

namespace cv::screens {

// Host of the font dialog; `fontq` holds the dialog's initial font.
struct Fonts : Screen {
    Font fontq{"MS Sans Serif", 13, false};
    Fonts();
};

} // namespace cv::screens
