// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Weapons as they act in a fight, and the attack itself: the action list of the weapon in use, the set-up
// of a chosen attack, the to-hit, damage and critical rolls, and the enemy's condition after an attack.
#pragma once

#include <string>

#include "../state/store.h"

namespace cv {

struct World;

// The weapon in the first hand: its attack entries, its labels and the figure holding it; the fight's
// controls shown.
void buildActionList(World& w);
// The chosen entry's damage range, chance, reach and cost, for the weapon in use (itNone: bare hands).
void setupAttack(World& w, ItemId weapon, int position);
// One attack; the damage dealt, 0 for a miss. Prepares the outcome message and starts the `hit` timer.
int resolveAttack(World& w, int maxDamage, int minDamage, int hitChance, int penalty);
// The player's blow at the enemy with the given chance: the fight's message, the attack and the enemy's
// loss; the damage dealt.
int playerStrike(World& w, int chance);
// The player's attack on the enemy with the given chance, then the enemy's condition.
void playerAttack(World& w, int chance);
// Charges the attack's points, ends the targeting, names the enemy's condition, and wins at below 1.
void updateEnemyCondition(World& w);
// The weapon switch behind the disabled "Сменить оружие": the other hand, and the weapon's full set.
void switchHand(World& w);

// Writes the fight's message line, which the story log keeps too.
void showFightMessage(World& w, const std::string& text);
// A prompt or a refusal in the same place: shown, but not part of what was said, so not logged.
void showFightPrompt(World& w, const std::string& text);

// The item in the slot of the weapon in use, itNone for bare hands.
ItemId weaponInUse(const World& w);

} // namespace cv
