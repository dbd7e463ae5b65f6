// Start-up screens: the main menu, credits, help and the font settings.
#pragma once

namespace cv {

struct World;

void newGameClick(World& w);  // "Новая игра"
void authorsClick(World& w);  // "Авторы"
void helpClick(World& w);     // "Помощь", also the game screen's help command
void exitClick(World& w);     // "Выход": closes the main menu, which ends the program
void fontMenuClick(World& w); // the game screen's "Окно" -> "Шрифт"

} // namespace cv
