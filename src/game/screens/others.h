// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The village map, the combat and aimed-attack screens, the inventory and the wrist computer.
#pragma once

#include <array>
#include <string_view>

#include "../controls.h"

namespace cv::screens {

struct Mapform {
    Window window;
    Label Label1;
    // The fifteen location pictures in location order (1 .. 15), then the back picture.
    std::array<Picture, 16> place;
    Mapform();
};
// The pictures' control names, in the same order: the picture of location n is place[n - 1].
inline constexpr std::array<std::string_view, 16> kPlaceNames{
    "Image12", "Image15", "Image16", "Image3", "Image13", "Image5",  "Image7",  "Image14",
    "Image6",  "Image8",  "Image4",  "Image2", "Image9",  "Image10", "Image11", "Image17"};
inline constexpr int kMapBack = 15; // place[15] is "Назад"

// A caption and the value beside it, as the combat and inventory screens show them.
struct Captioned {
    Label caption;
    Label value;
};

struct Battle {
    Window window;
    Picture char_, epic; // the player's figure ("char") and the enemy
    Label Label1;        // "Расстояние"
    NumberLabel dis;
    Label Label2, Label3;  // the fixed texts on cover and ground
    Label Label18, Label6; // "Состояние", "/"
    NumberLabel hp, fhp;
    Label Label4; // "Очки действия:"
    NumberLabel tp;
    Label cname, ename;
    Label Label20, esos;         // the enemy's condition
    Label Label13, wea, Label11; // weapon, armour
    NumberLabel armor;
    Label Label9, min, Label12, max, Label7, dal, Label8, mag;
    // The enemy's weapon, armour, damage and reach: always "?".
    Label Label5, ewea, Label25, earm, Label24, edam, Label23, edal;
    Label warn;
    ListBox choose;
    Button ready, BitBtn3, endt, vict, lose, BitBtn1;
    Timer Timer1, hit;
    Battle();
};
// The six fixed entries of the action list, as the layout holds them: four spaces before the 1 in the
// third and fourth, a Latin capital C at the start of the fifth.
inline constexpr std::array<std::string_view, 6> kFixedEntries{
    "Идти влево   1", "Идти вправо   1", "Идти вниз    1", "Идти вверх    1", "Cбежать 8", "Инвентарь   4"};

struct Accform {
    Window window;
    Panel pric;
    std::array<RadioButton, 5> b; // b1 .. b5: eyes, head, groin, leg, arm
    std::array<Label, 5> t;       // t1 .. t5: their chances
    Button ready;                 // "Бить"
    Accform();
};

struct InvForm {
    Window window;
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

struct Vesk {
    Window window;
    Picture Image2, Image3;
    Label ar;
    std::array<Label, 5> z; // z1 .. z5
    Vesk();
};

} // namespace cv::screens

namespace cv::screens {

// Everything said in this game so far, behind the game screen's "Просмотреть весь разговор".
struct StoryLog {
    Window window;
    Label Label1; // heading
    LogText text; // the log, newest at the bottom
    Button close; // "Закрыть"
    StoryLog();
};

} // namespace cv::screens
