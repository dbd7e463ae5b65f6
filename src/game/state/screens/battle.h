// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The combat screen: the two fighters on their line, their figures, the action list and the buttons.
#pragma once

#include <array>
#include <string_view>

#include "../screen.h"

namespace cv::screens {

struct Battle : Screen {
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

} // namespace cv::screens
