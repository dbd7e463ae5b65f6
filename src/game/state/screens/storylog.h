// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The story log: everything said in this game so far.
#pragma once

#include "../screen.h"

namespace cv::screens {

// Everything said in this game so far, behind the game screen's "Просмотреть весь разговор".
struct StoryLog : Screen {
    Label Label1; // heading
    LogText text; // the log, newest at the bottom
    Button close; // "Закрыть"
    StoryLog();
};

} // namespace cv::screens
