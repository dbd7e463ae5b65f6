// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character creation screen's rules, and the character sheet it becomes once a character is in play.
#pragma once

#include <string>

namespace cv {

struct World;

// Statistic index 0..6 in memory order (strength, perception, endurance, intelligence, agility, luck,
// charisma).
void raiseStat(World& w, int stat);
void lowerStat(World& w, int stat);
void toggleTag(World& w, int skill);   // tag buttons, skill 1..17
void toggleTrait(World& w, int trait); // the trait rule itself, trait 1..14
// A trait button: the trait rule, then the statistic grant of traits 2, 3 and 14.
void traitButtonClick(World& w, int trait);
void skillCaptionClick(World& w, int skill); // s1 .. s17
void acceptClick(World& w);                  // Image2
void cancelClick(World& w);                  // Image1
// The desktop's close of the form: on the sheet, what its accept does; in creation mode, nothing.
void closeSheet(World& w);
// What the player types into the name, the age and the sex.
void typeName(World& w, const std::string& text);
void typeAge(World& w, const std::string& text);
void typeSex(World& w, const std::string& text);

void openForCreation(World& w); // the ready-made screen's create button
bool poolHasPoints(const World& w);
void showFreeTags(World& w);
void resetSkillColours(World& w);

} // namespace cv
