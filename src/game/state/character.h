// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character record: statistics, tags, traits and the game values copied at accept.
#pragma once

#include <array>
#include <string>

#include "../vocab/traits.h"

namespace cv {

struct CharacterRecord {
    // The seven statistics, in memory order.
    int strength = 0, perception = 0, endurance = 0, intelligence = 0, agility = 0, luck = 0, charisma = 0;
    std::array<int, 3> tagSkills{}; // skill numbers 1..17, 0 = empty slot
    std::array<int, 2> traits{};    // trait numbers 1..14, 0 = empty slot

    std::string playerName;
    int playerSex = 0; // 1 male, 2 female
    int hitPoints = 0, maxHitPoints = 0, armourClass = 0, actionPoints = 0, meleeDamage = 0, critChance = 0;
    int stealSkill = 0, lockpickSkill = 0;
    int characterInPlay = 0;
    int femaleReaction = 0, maleReaction = 0;

    // Statistic by memory index 0..6.
    int& stat(int index);
    bool hasTrait(int trait) const { return traits[0] == trait || traits[1] == trait; }
};

} // namespace cv
