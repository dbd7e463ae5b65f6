// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Skills and derived values of the character sheet, computed from the statistics, tags and traits.
#include "derived.h"

#include "../world.h"

namespace cv {

using screens::kSkillCount;

void recomputeSkills(World& w) {
    const CharacterRecord& c = w.character;
    auto& skill = w.createform.skill;

    const int base[kSkillCount] = {
        5 + 4 * c.agility,                     // 1 light
        2 * c.agility,                         // 2 heavy
        2 * c.agility,                         // 3 energ
        30 + 2 * c.agility + 2 * c.strength,   // 4 unarm
        20 + 2 * c.agility + 2 * c.strength,   // 5 meele
        4 * c.agility,                         // 6 throw
        2 * c.perception + 2 * c.intelligence, // 7 first
        5 + c.perception + c.intelligence,     // 8 doctr
        5 + 3 * c.agility,                     // 9 sneak
        10 + c.perception + c.agility,         // 10 lockp
        3 * c.agility,                         // 11 steal
        10 + c.perception + c.agility,         // 12 traps
        4 * c.intelligence,                    // 13 scien
        3 * c.intelligence,                    // 14 repar
        5 * c.charisma,                        // 15 talks
        4 * c.charisma,                        // 16 merch
        2 * c.perception + 2 * c.intelligence, // 17 outdr: perception, like first aid
    };
    for (int i = 0; i < kSkillCount; ++i)
        skill[i].value = base[i];

    for (int tag : c.tagSkills)
        if (tag >= 1 && tag <= kSkillCount) skill[tag - 1].value += 20;

    if (c.hasTrait(trTalent))
        for (auto& s : skill)
            s.value -= 10;

    if (c.hasTrait(trGoodNatured)) {
        for (int n : {1, 2, 6, 5, 4, 3})
            skill[n - 1].value -= 10;
        for (int n : {7, 8, 15, 16})
            skill[n - 1].value += 15;
    }
}

void recomputeDerived(World& w) {
    using namespace screens;
    const CharacterRecord& c = w.character;
    auto& d = w.createform.derived;

    d[dHp].value = 15 + c.strength + 2 * c.endurance;
    d[dFhp].value = d[dHp].value;
    d[dRep].value = 5 * c.endurance;
    d[dRer].value = 2 * c.endurance;
    d[dAcl].value = c.agility;
    d[dTp].value = c.agility / 2 + 5;
    d[dMw].value = 25 * c.strength + 25;
    d[dDam].value = c.strength < 7 ? 1 : c.strength - 5;
    d[dAca].value = 2 * c.perception;
    d[dLeh].value = c.endurance / 3;
    if (c.endurance < 3) d[dLeh].value = 1;
    d[dCch].value = c.luck;
    d[dSpl].value = 2 * c.intelligence + 5;
    // Damage resistance (dRed) is shown but nothing ever computes it.

    if (c.hasTrait(trSmall)) d[dMw].value -= 10 * c.strength;
    if (c.hasTrait(trCrusher)) d[dTp].value -= 2;
    if (c.hasTrait(trFastMetabolism)) {
        d[dRep].value = 0;
        d[dRer].value = 0;
        d[dLeh].value += 2;
    }
    if (c.hasTrait(trPrecision)) d[dCch].value += 10;
    if (c.hasTrait(trKamikaze)) {
        d[dAcl].value = 0;
        d[dAca].value += 5;
    }
    if (c.hasTrait(trHeavyHand)) d[dDam].value += 4;
    if (c.hasTrait(trCraftsman)) d[dSpl].value += 5;
}

} // namespace cv
