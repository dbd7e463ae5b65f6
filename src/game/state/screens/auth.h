// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The credits.
#pragma once

#include "../screen.h"

namespace cv::screens {

struct Auth : Screen {
    Label Label1;
    Auth();
};

} // namespace cv::screens
