// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu, and the two small windows it opens: credits and help.
#pragma once

#include "../controls.h"

namespace cv::screens {

struct Menuform {
    Window window;
    Button BitBtn6, BitBtn4, BitBtn1, BitBtn3; // new game, credits, help, exit
    Menuform();
};

struct Auth {
    Window window;
    Label Label1;
    Auth();
};

struct Help {
    Window window;
    Label ca, heading1, heading2, heading3; // title and the headings over the memos
    Label Memo1, Memo2, Memo3;              // about the game, playing it, its keys
    Help();
};

// Host of the font dialog; `fontq` holds the dialog's initial font.
struct Fonts {
    Window window;
    Font fontq{"MS Sans Serif", 13, false};
    Fonts();
};

} // namespace cv::screens
