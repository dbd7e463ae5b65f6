// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The combat screen: a fight against one enemy on a single line, played in turns.
#pragma once

namespace cv {

struct World;

// Opens fight 1 (the rat), 2 (the lizard) or 3 (the scorpion) over the game screen.
void startFight(World& w, int fight);

// A heal in the inventory opened from the fight: the fight's own hit points rise, never above its maximum;
// the new figure.
int healInFight(World& w, int amount);

// Handlers of the screen.
namespace battle {
void chooseClick(World& w, int position); // an entry of the action list
void readyClick(World& w);                // "Сделать"
void epicClick(World& w);                 // the enemy's picture
void endtClick(World& w);                 // "Конец хода"
void victClick(World& w);                 // "Победа!"
void loseClick(World& w);                 // "Вы убиты!"
void BitBtn3Click(World& w);              // "Хар."
void BitBtn1Click(World& w);              // "Сменить оружие"
} // namespace battle

void Timer1Timer(World& w); // the enemy's turn
void hitTimer(World& w);    // the outcome of an attack, 750 ms after it

} // namespace cv
