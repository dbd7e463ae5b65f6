// The game screen's own handlers and its reset before a location's entry scene.
#pragma once

namespace cv {

struct World;

void gameFormCreate(World& w); // loads the background when the screen is created
void resetGameScreen(World& w);
void choiceClick(World& w, int choice); // c1 .. c5, choice 1..5
void readyClick(World& w);              // "Выбрано"
void mapbClick(World& w);               // "Карта"
void characterClick(World& w);          // "Хар."
void veskClick(World& w);               // "Веск."
void inventoryClick(World& w);          // "Инв."
void answerClick(World& w, int answer); // a1 .. a4

} // namespace cv
