// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory screen: the list of the store, the action panel, the hands and the figure.
#pragma once

#include <array>
#include <vector>

#include "../screen.h"

namespace cv::screens {

struct InvForm : Screen {
    ListBox citem;
    Panel choose;
    Label chooseTitle; // "Выберете действие:"
    // a1 .. a6 by number: "Использовать", "Осмотреть", "Положить на землю", "Зарядить", "Разрядить", "Снять".
    std::array<RadioButton, 6> a;
    Button ready; // "Сделать"
    Label itext;
    Label numbCaption, numb;             // "Всего:"
    Label gruzCaption, gruz, slash, fwe; // "Груз:" total "/" maximum
    Label hpCaption, hp, hpSlash, fhp;   // "Жизней"
    Label mdCaption, mdc;                // "МД" and its figure
    Picture v1, v2;
    Label w1, w2;
    Label dam1Caption, min1, dash1, max1, dam2Caption, min2, dash2, max2;
    Label d1Caption, d1, d2Caption, d2;
    Picture mainshow, curshow;
    Picture Image2; // "Отмена": closes the screen
    // Texts that never change: the name, the other statistics, the armour class, the resistances and the
    // charges of both hands.
    std::vector<Label> fixed;
    InvForm();
};

} // namespace cv::screens
