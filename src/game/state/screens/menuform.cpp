// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the main menu: its four buttons.
#include "menuform.h"

namespace cv::screens {

Menuform::Menuform() {
    window.name = "Menuform";
    window.caption = "Cindervale: Brassmoth Post Edition";
    window.frame = Frame::Title;
    // It also comes up over the frozen game screen at the end of a game lost by stealing.
    window.overOthers = true;
    window.width = 432;
    window.height = 425;
    window.visible = true;
    const int left = 96;
    BitBtn6.place(left, 200, 241, 24);
    BitBtn6.caption = "Новая игра";
    BitBtn4.place(left, 236, 241, 24);
    BitBtn4.caption = "Авторы";
    BitBtn1.place(left, 272, 241, 24);
    BitBtn1.caption = "Помощь";
    BitBtn3.place(left, 308, 241, 24);
    BitBtn3.caption = "Выход";
    add(BitBtn6, "BitBtn6");
    add(BitBtn4, "BitBtn4");
    add(BitBtn1, "BitBtn1");
    add(BitBtn3, "BitBtn3").quits = true;
}

} // namespace cv::screens
