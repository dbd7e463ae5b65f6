// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The combat state: which fight is on, the weapon and attack in use, the enemy and its turn.
#pragma once

#include <cstdint>
#include <string>

namespace cv {

// The opponent of the fight on, its fields in the order of the fights' table.
struct EnemyRecord {
    int hitPenalty = 0;     // off the to-hit chance of every attack of the fight, either side's
    int enemyHitChance = 0; // per cent; halved by a lost eye
    int enemyMinDamage = 0, enemyMaxDamage = 0;
    int enemyAttackApCost = 0; // raised by 3 for a crippled arm
    int enemyApPerTurn = 0;    // lowered by 2 for a crippled leg
    int enemyMaxHp = 0, enemyHp = 0;
};

// Process-wide, 0 at start; nothing resets it between fights but what the operations set.
struct CombatState {
    int fightId = 0;
    int activeHand = 0;
    int activeWeaponSlot = 0; // inventory slot of the weapon in use, 0 for bare hands
    int playerMinDamage = 0, playerMaxDamage = 0;
    int playerHitChance = 0;
    int attackApCost = 0;
    std::uint8_t aimedAttack = 0;
    int aimBonus = 0; // the last aimed attack's bonus to the critical chance; stays for every later attack
    int attackerSide = 0; // 1 the enemy, 2 the player
    int lastDamage = 0;
    std::string pendingHitMessage;
    int distance = 0;
    int enemyApLeft = 0, enemyStepCount = 0, enemyTickCount = 0, enemyAttackCount = 0, enemyAttackPhase = 0;
    EnemyRecord enemy;
};

} // namespace cv
