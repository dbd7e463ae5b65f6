// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help: a title, and three headings each over its text.
#pragma once

#include "../screen.h"

namespace cv::screens {

struct Help : Screen {
    Label ca, heading1, heading2, heading3; // title and the headings over the memos
    Label Memo1, Memo2, Memo3;              // about the game, playing it, its keys
    Help();
};

} // namespace cv::screens
