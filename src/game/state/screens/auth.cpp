// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The credits' one text.
#include "auth.h"

namespace cv::screens {

Auth::Auth() {
    window.name = "auth";
    window.caption = "Авторы";
    window.frame = Frame::TitleClose;
    window.overOthers = true;
    window.width = 267;
    window.height = 40;
    Label1.place(0, 0, 267, 40);
    Label1.wordWrap = true;
    Label1.font = Font{"MS Sans Serif", 15, true};
    Label1.text = "Графика: Мирела Ковш. Всё остальное: Тимофей Латунин.";
    add(Label1, "Label1");
}

} // namespace cv::screens
