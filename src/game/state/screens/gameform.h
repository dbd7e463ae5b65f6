// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen: story text, the choice panel, the conversation lines and the side buttons.
#pragma once

#include <array>

#include "../screen.h"

namespace cv::screens {

// The opening of a game: the two story texts the screen shows before the first location is entered.
inline constexpr const char* kOpeningText1 =
    "...Рано утром Ваш племянник Эрвальд сообщил, что Старейшина хочет Вас видеть. Пока ещё не подозревая, "
    "в чём дело, вы не спеша занимаетесь домашними делами - выгоняете скот и чистите оружие. ";
inline constexpr const char* kOpeningText2 =
    "Через несколько минут Эрвальд приходит снова и говорит, что Старейшина хочет видеть Вас НЕМЕДЛЕННО. "
    "Что ж, делать нечего, пора идти к старухе...";

struct Gameform : Screen {
    Picture fon;
    Label m1, m2;
    Panel choose;
    Label Label1;                 // heading of the choice panel
    std::array<RadioButton, 5> c; // c1 .. c5, in panel coordinates
    Button ready;
    Label rep;
    std::array<Label, 5> a; // a1 .. a5
    Picture pros;
    Button mapb, BitBtn2, BitBtn3, BitBtn1;
    // The menu bar's commands: "Игра" (save and load, both disabled, and exit), "Окно" (the font),
    // "Помощь!!!" (the help).
    Control saveCommand, loadCommand, exitCommand, fontCommand, helpCommand;

    Gameform();
};

} // namespace cv::screens
