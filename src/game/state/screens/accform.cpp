// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the body-part screen.
#include "accform.h"

#include "layout.h"
#include <string>

namespace cv::screens {

Accform::Accform() {
    window.name = "accform";
    window.caption = "Прицелиться";
    window.frame = Frame::Title;
    window.overOthers = true;
    // The rows stand 18 pixels apart, not 13, so that the radio circles of the stand-in style do not touch.
    window.width = 150;
    window.height = 132;
    pric.place(0, 0, 150, 132);
    const char* parts[5] = {"В глаза", "В голову", "В пах", "В ногу", "В руку"};
    for (int i = 0; i < 5; ++i) {
        b[static_cast<std::size_t>(i)].place(29, 8 + 18 * i, 92, 16);
        b[static_cast<std::size_t>(i)].caption = parts[i];
        b[static_cast<std::size_t>(i)].cursor = Cursor::Hand;
        t[static_cast<std::size_t>(i)] = text(124, 8 + 18 * i, 24, "0");
        t[static_cast<std::size_t>(i)].height = 16; // on its radio's line
    }
    ready.place(43, 102, 61, 24);
    ready.caption = "Бить";
    ready.enabled = false;
    add(pric, "pric");
    for (std::size_t i = 0; i < b.size(); ++i) {
        add(b[i], "b" + std::to_string(i + 1), &pric);
        add(t[i], "t" + std::to_string(i + 1), &pric);
    }
    add(ready, "ready", &pric);
}

} // namespace cv::screens
