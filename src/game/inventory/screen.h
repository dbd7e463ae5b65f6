// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory screen: the list of the store, the item shown, the actions, the hands and the figure.
#pragma once

#include "../state/store.h"

namespace cv {

struct World;

// The figure pictures for the sex (1 male, 2 female), chosen when a character is accepted; the bare
// figure is loaded into `mainshow`.
void setFigurePictures(World& w, int playerSex);

// The game screen's "Инв.": the screen with the store listed and the figures from the sheet.
void openInventoryFromGameScreen(World& w);
// The fight's "Инвентарь   4": the screen with the store listed and the fight's hit points.
void openInventoryFromFight(World& w, int hitPoints, int maxHitPoints);
// The fight's hit points after an enemy's attack, shown here too.
void showFightHitPoints(World& w, int hp);

// Rebuilds the list from the store, with the load total; hides the actions and empties the text.
void refreshInventory(World& w);
// Shows slot n: its count, its description and the actions it offers.
void describeSlot(World& w, int slot);
// Takes the weapon of the selected list line into the first free hand.
void equipSelected(World& w, ItemId id);

// The screen's actions, as their radio buttons a1 .. a6 name them.
enum class InvAction { Use = 1, Examine, Drop, Load, Unload, TakeOff };

namespace inv {
void citemClick(World& w, int line);     // a line of the list
void handClick(World& w, int hand);      // v1, v2
void actionClick(World& w, InvAction a); // a radio button of the action panel
void readyClick(World& w);               // "Сделать"
void Image2Click(World& w);              // "Отмена": closes the screen
} // namespace inv

} // namespace cv
