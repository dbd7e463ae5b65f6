// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the wrist computer.
#include "vesk.h"

#include <string>

namespace cv::screens {

Vesk::Vesk() {
    window.name = "Vesk";
    window.caption = "Вескарь";
    window.overOthers = true;
    window.width = 484;
    window.height = 363;
    Image2.place(40, 337, 13, 16);
    Image2.cursor = Cursor::Hand;
    Image2.hint = "Закрыть";
    Image3.place(40, 255, 13, 16);
    Image3.cursor = Cursor::Hand;
    Image3.hint = "Места";
    ar.place(201, 39, 120, 16);
    ar.text = "Тарнвель";
    ar.cursor = Cursor::Hand;
    ar.font = Font{"MS Sans Serif", 13, true};
    ar.visible = false;
    const int tops[5] = {59, 105, 150, 241, 196}; // z5 lies above z4
    for (int i = 0; i < 5; ++i) {
        // 15 pixels a line; a word-wrapped line grows to the second line it needs, as far as the next one.
        z[i].place(195, tops[i], 220, 30);
        z[i].wordWrap = true;
        z[i].font = Font{"Times New Roman", 13, false};
        z[i].visible = false;
    }
    Image2.layout = "accept";
    Image3.layout = "accept";
    add(Image2, "Image2");
    add(Image3, "Image3");
    add(ar, "ar");
    for (std::size_t i = 0; i < z.size(); ++i)
        add(z[i], "z" + std::to_string(i + 1));
}

} // namespace cv::screens
