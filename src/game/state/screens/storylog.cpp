// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the story log.
#include "storylog.h"

namespace cv::screens {

StoryLog::StoryLog() {
    window.name = "storylog";
    window.caption = "Весь разговор";
    window.overOthers = true;
    window.width = 640;
    window.height = 480;
    Label1.place(16, 10, 608, 20);
    Label1.text = "Всё, что было сказано в этой игре";
    Label1.font = Font{"MS Sans Serif", 15, true};
    // The log grows downwards; its window scrolls it.
    text.place(16, 40, 608, 392);
    text.font = Font{"MS Sans Serif", 13, true};
    close.place(520, 444, 104, 24);
    close.caption = "Закрыть";
    add(Label1, "Label1");
    add(text, "text");
    add(close, "close");
}

} // namespace cv::screens
