// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the inventory screen.
#include "invform.h"

#include "layout.h"
#include <string>

namespace cv::screens {

InvForm::InvForm() {
    window.name = "InvForm";
    window.caption = "Инвентарь";
    window.overOthers = true;
    window.width = 640;
    window.height = 500;

    citem.place(18, 18, 184, 234);
    citem.items = {"<<<--->>>"};
    citem.title = "Вещи";

    // The action panel, in the list's column: its six choices top to bottom are a1, a6, a3, a4, a5, a2.
    choose.place(10, 268, 200, 196);
    choose.visible = false;
    chooseTitle = text(8, 4, 184, "Выберете действие:");
    const char* actions[6] = {"Использовать", "Осмотреть", "Положить на землю",
                              "Зарядить",     "Разрядить", "Снять"};
    const int tops[6] = {24, 124, 64, 84, 104, 44};
    for (int i = 0; i < 6; ++i) {
        a[static_cast<std::size_t>(i)].place(8, tops[i], 184, 18);
        a[static_cast<std::size_t>(i)].caption = actions[i];
        a[static_cast<std::size_t>(i)].cursor = Cursor::Hand;
    }
    ready.place(8, 152, 184, 26);
    ready.caption = "Сделать";

    mainshow.place(230, 25, 120, 220);
    curshow.place(230, 25, 120, 220);

    // The two hands.
    for (int h = 0; h < 2; ++h) {
        const int top = 20 + 126 * h;
        Picture& v = h == 0 ? v1 : v2;
        v.place(380, top + 2, 90, 60);
        v.cursor = Cursor::Hand;
        v.hint = h == 0 ? "Первая рука" : "Вторая рука";
        (h == 0 ? w1 : w2) = text(480, top, 144, "Без оружия:");
        (h == 0 ? dam1Caption : dam2Caption) = text(480, top + 20, 44, "Повр.:");
        (h == 0 ? min1 : min2) = text(526, top + 20, 20, "");
        (h == 0 ? dash1 : dash2) = text(546, top + 20, 8, "-");
        (h == 0 ? max1 : max2) = text(556, top + 20, 30, "");
        (h == 0 ? d1Caption : d2Caption) = text(480, top + 38, 52, "Дальн.:");
        (h == 0 ? d1 : d2) = text(534, top + 38, 30, "1");
        fixed.push_back(text(480, top + 56, 62, "Зарядов:"));
        fixed.push_back(text(544, top + 56, 20, "0"));
    }

    // The character: name, statistics, armour class, hit points, load and count, resistances.
    fixed.push_back(text(230, 274, 120, "ДемоИгрок"));
    const char* stats[7] = {"СЛ", "МД", "ВН", "ИН", "ОБ", "ЛВ", "УД"};
    const char* figures[7] = {"5", "7", "5", "8", "8", "8", "6"};
    for (int i = 0; i < 7; ++i) {
        const int left = 230 + 44 * (i % 4), top = 294 + 18 * (i / 4);
        if (i == 1) {
            mdCaption = text(left, top, 22, stats[i]);
            mdc = text(left + 24, top, 18, figures[i]);
            continue;
        }
        fixed.push_back(text(left, top, 22, stats[i]));
        fixed.push_back(text(left + 24, top, 18, figures[i]));
    }
    fixed.push_back(text(230, 330, 84, "Класс Брони"));
    fixed.push_back(text(316, 330, 24, "8"));
    hpCaption = text(230, 348, 56, "Жизней");
    hp = text(288, 348, 24, "");
    hpSlash = text(312, 348, 8, "/");
    fhp = text(322, 348, 24, "");
    gruzCaption = text(410, 274, 40, "Груз:");
    gruz = text(452, 274, 28, "");
    slash = text(480, 274, 8, "/");
    fwe = text(490, 274, 30, "");
    numbCaption = text(410, 292, 46, "Всего:");
    numb = text(458, 292, 50, "");
    const char* resistances[5] = {"Норма", "Плазма", "Лазер", "Огонь", "Взрыв"};
    for (int i = 0; i < 5; ++i) {
        const int top = 274 + 18 * i;
        fixed.push_back(text(530, top, 50, resistances[i]));
        fixed.push_back(text(580, top, 14, "0"));
        fixed.push_back(text(594, top, 30, "/0%"));
    }

    itext = text(230, 384, 390, "");
    itext.height = 98;
    itext.wordWrap = true;
    itext.font = Font{"MS Sans Serif", 13, true};

    Image2.place(18, 472, 13, 16);
    Image2.cursor = Cursor::Hand;
    Image2.hint = "Отмена";
    Image2.spoken = "Закрыть"; // its caption in the picture
    Image2.layout = "cancel";

    add(citem, "citem");
    add(choose, "choose");
    add(chooseTitle, "Label1", &choose);
    for (int n : {1, 6, 3, 4, 5, 2}) // top to bottom
        add(a[static_cast<std::size_t>(n - 1)], "a" + std::to_string(n), &choose);
    add(ready, "ready", &choose);
    add(mainshow, "mainshow");
    add(curshow, "curshow");
    add(v1, "v1");
    add(v2, "v2");
    add(w1, "w1");
    add(w2, "w2");
    add(dam1Caption, "dc1");
    add(min1, "min1");
    add(dash1, "dh1");
    add(max1, "max1");
    add(dam2Caption, "dc2");
    add(min2, "min2");
    add(dash2, "dh2");
    add(max2, "max2");
    add(d1Caption, "rc1");
    add(d1, "d1");
    add(d2Caption, "rc2");
    add(d2, "d2");
    add(numbCaption, "nc");
    add(numb, "numb");
    add(gruzCaption, "gc");
    add(gruz, "gruz");
    add(slash, "gs");
    add(fwe, "fwe");
    add(hpCaption, "hc");
    add(hp, "hp");
    add(hpSlash, "hs");
    add(fhp, "fhp");
    add(mdCaption, "mc");
    add(mdc, "mdc");
    for (std::size_t i = 0; i < fixed.size(); ++i)
        add(fixed[i], "fx" + std::to_string(i + 1));
    add(itext, "itext");
    add(Image2, "Image2");
}

} // namespace cv::screens
