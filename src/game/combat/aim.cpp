// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The aimed attack: the body-part screen, each part's chance and critical bonus, and the crippling
// effects of a lost eye, leg or arm.
#include "aim.h"

#include <string>

#include "../shell/shell.h"
#include "../world.h"
#include "battle.h"
#include "weapons.h"

namespace cv {

namespace {

struct Part {
    int aimBonus;
    const char* effect; // after the enemy's name and a space; nullptr: the part cannot be crippled
};

const Part& partOf(BodyPart p) {
    static const Part parts[5] = {
        {40, "потерял глаз"}, {30, nullptr}, {20, nullptr}, {5, "остался без ноги"}, {5, "остался без руки"}};
    return parts[static_cast<int>(p) - 1];
}

// The effect stays for the rest of the fight and stacks with every further success.
void cripple(EnemyRecord& e, BodyPart p) {
    switch (p) {
    case BodyPart::Eyes:
        e.enemyHitChance /= 2;
        break;
    case BodyPart::Leg:
        e.enemyApPerTurn -= 2;
        break;
    case BodyPart::Arm:
        e.enemyAttackApCost += 3;
        break;
    default:
        break;
    }
}

} // namespace

int aimedChance(int playerHitChance, BodyPart part) {
    // C++ division truncates towards zero, as the chances do.
    switch (part) {
    case BodyPart::Eyes:
        return playerHitChance / 4;
    case BodyPart::Head:
        return playerHitChance * 10 / 25;
    case BodyPart::Groin:
        return playerHitChance * 10 / 18;
    case BodyPart::Leg:
    case BodyPart::Arm:
        return playerHitChance * 10 / 13;
    }
    return 0;
}

void openAim(World& w) {
    auto& a = w.accform;
    showOver(a.window, w.battle.window);
    for (int i = 1; i <= 5; ++i)
        a.t[static_cast<std::size_t>(i - 1)].text =
            std::to_string(aimedChance(w.combat.playerHitChance, static_cast<BodyPart>(i)));
}

namespace accform {

void bClick(World& w, BodyPart part) {
    auto& a = w.accform;
    for (int i = 1; i <= 5; ++i)
        a.b[static_cast<std::size_t>(i - 1)].checked = i == static_cast<int>(part);
    a.ready.enabled = true;
}

void readyClick(World& w) {
    auto& a = w.accform;
    auto& c = w.combat;
    enableCombatScreen(w);
    hide(a.window);
    for (int i = 1; i <= 5; ++i) {
        if (!a.b[static_cast<std::size_t>(i - 1)].checked) continue;
        const auto part = static_cast<BodyPart>(i);
        // The bonus is set before the roll, so that it counts for this attack's critical roll.
        c.aimBonus = partOf(part).aimBonus;
        const int damage = playerStrike(w, aimedChance(c.playerHitChance, part));
        if (partOf(part).effect && damage > 0 && w.roll(1, 99) < 25) {
            cripple(c.enemy, part);
            showFightMessage(w, w.battle.ename.text + " " + partOf(part).effect);
        }
        updateEnemyCondition(w);
        break;
    }
}

} // namespace accform

} // namespace cv
