// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout and opening texts of the game screen.
#include "gameform.h"

#include <string>

namespace cv::screens {

Gameform::Gameform() {
    window.name = "Gameform";
    window.caption = "Cindervale : Brassmoth Post Edition";
    // Laid out for 640 x 480; the background and the side buttons reach a little further.
    window.width = 801;
    window.height = 561;

    fon.place(0, 0, 801, 561);

    const Font story{"MS Sans Serif", 13, true};
    m1.place(181, 26, 444, 95);
    m1.font = story;
    m1.wordWrap = true;
    m1.text = kOpeningText1;
    m2.place(181, 120, 444, 91);
    m2.font = story;
    m2.wordWrap = true;
    m2.text = kOpeningText2;

    choose.place(161, 248, 478, 129);
    choose.visible = false;
    Label1.place(8, 0, 200, 13);
    Label1.font = Font{"MS Sans Serif", 11, false};
    Label1.text = "Выберете действие:";
    const int tops[5] = {13, 38, 63, 88, 113};
    for (int i = 0; i < 5; ++i) {
        c[i].place(8, tops[i], 466, 14);
        c[i].cursor = Cursor::Hand;
    }

    ready.place(8, 352, 89, 65);
    ready.caption = "Выбрано";
    ready.visible = false;

    rep.place(173, 256, 476, 81);
    rep.wordWrap = true;
    rep.font = Font{"MS Sans Serif", 15, false};

    const int answerTops[5] = {384, 418, 452, 486, 520};
    for (int i = 0; i < 5; ++i) {
        a[i].place(152, answerTops[i], 489, 33);
        a[i].cursor = Cursor::Hand;
        a[i].wordWrap = true;
        a[i].font = Font{"Times New Roman", 15, false};
    }

    pros.place(16, 518, 65, 28);
    pros.hint = "Просмотреть весь разговор";
    pros.layout = "pros";

    mapb.place(721, 434, 65, 20);
    mapb.caption = "Карта";
    mapb.hint = "Самая важная кнопка";
    BitBtn2.place(721, 453, 65, 20);
    BitBtn2.caption = "Хар.";
    BitBtn3.place(721, 472, 65, 20);
    BitBtn3.caption = "Веск.";
    BitBtn1.place(721, 491, 65, 20);
    BitBtn1.caption = "Инв.";

    saveCommand.enabled = false;
    loadCommand.enabled = false;

    add(fon, "fon");
    add(m1, "m1");
    add(m2, "m2");
    // The partner's line lies under the choice panel, which covers it in choice mode.
    add(rep, "rep").cover = &choose;
    add(choose, "choose");
    add(Label1, "Label1", &choose);
    for (std::size_t i = 0; i < c.size(); ++i)
        add(c[i], "c" + std::to_string(i + 1), &choose);
    add(ready, "ready");
    for (std::size_t i = 0; i < a.size(); ++i)
        add(a[i], "a" + std::to_string(i + 1));
    add(pros, "pros");
    add(mapb, "mapb");
    add(BitBtn2, "BitBtn2");
    add(BitBtn3, "BitBtn3");
    add(BitBtn1, "BitBtn1");
    addCommand(saveCommand, "Игра/Сохранить");
    addCommand(loadCommand, "Игра/Загрузить");
    addCommand(exitCommand, "Игра/Выход").quits = true;
    addCommand(fontCommand, "Окно/Шрифт");
    addCommand(helpCommand, "Помощь!!!/Помощь!!!");
}

} // namespace cv::screens
