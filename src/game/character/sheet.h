// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character sheet: the creation screen once a character is in play, its own buttons, and the skill
// and derived values that the rest of the game reads and training raises.
#pragma once

#include "../state/screens/createform.h"
#include "../vocab/skills.h"

namespace cv {

struct World;

// Covers the editing controls and shows the sheet's own buttons (accept and the ready-made take).
void turnIntoSheet(World& w);
// The game screen's "Хар.": the sheet with the bonus panel over the trait list.
void showSheetWithBonusPanel(World& w);
// The combat screen's "Хар.": the sheet with the trait list in front and live, even after the game
// screen's "Хар." brought the bonus panel over it.
void showSheetWithTraitList(World& w);

void bonClick(World& w); // "Бонуса"
void karClick(World& w); // "Карма"
void kilClick(World& w); // "Убито"

int skillValue(const World& w, Skill s);
// Training: the shown figure grows and keeps its gain until the sheet is recomputed.
void addToSkill(World& w, Skill s, int amount);
int derivedValue(const World& w, screens::Derived d);

} // namespace cv
