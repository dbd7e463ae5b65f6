// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The combat screen: a fight against one enemy on a single line, played in turns.
#include "battle.h"

#include <algorithm>
#include <string>

#include "../assets/assets.h"
#include "../character/sheet.h"
#include "../clock.h"
#include "../inventory/screen.h"
#include "../shell/shell.h"
#include "../story/gamescreen.h"
#include "../story/victory.h"
#include "../world.h"
#include "aim.h"
#include "weapons.h"

namespace cv {

namespace {

using enum ItemId;

constexpr int kStep = 31; // pixels a step moves a figure

struct FightData {
    const char* picture;
    const char* name;
    EnemyRecord enemy;
};

const FightData& fightData(int fight) {
    // The scorpion's name begins with a Latin capital C.
    static const FightData fights[3] = {
        {"enemy/rat.jpg", "Грызоклык", {4, 50, 1, 5, 3, 6, 20, 20}},
        {"enemy/gec.jpg", "Ящерун", {5, 40, 2, 5, 3, 7, 30, 30}},
        {"enemy/scorp.jpg", "Cкорпион", {2, 40, 3, 8, 3, 5, 15, 15}},
    };
    return fights[fight - 1];
}

// A number read back from a label's text, as the original read its captions.
int labelNumber(const std::string& text) {
    try {
        std::size_t used = 0;
        const int n = std::stoi(text, &used);
        if (used == text.size()) return n;
    } catch (const std::exception&) {
    }
    throw GameError("'" + text + "' is not a valid integer value");
}

} // namespace

void startFight(World& w, int fight) {
    if (fight < 1 || fight > 3) return;
    auto& b = w.battle;
    const FightData& data = fightData(fight);
    buildActionList(w);
    loadPicture(w, b.epic, data.picture);
    b.ename.text = data.name;
    b.hp.value = w.character.hitPoints;
    b.fhp.value = derivedValue(w, screens::dFhp);
    b.cname.text = w.character.playerName;
    b.armor.value = w.character.armourClass;
    // Every fight starts with full action points; the first one used to open with whatever was shown.
    b.tp.value = w.character.actionPoints;
    b.epic.left = 624;
    b.char_.left = 0;
    w.combat.distance = 0;
    b.dis.value = 20;
    b.esos.text = "Целёхонек";
    w.combat.fightId = fight;
    w.combat.enemy = data.enemy;
    hideGameScreen(w);
    show(b.window);
}

int healInFight(World& w, int amount) {
    auto& b = w.battle;
    b.hp.value = std::min(b.hp.value + amount, b.fhp.value);
    return b.hp.value;
}

namespace battle {

void chooseClick(World& w, int position) {
    auto& b = w.battle;
    if (position < 0 || position >= static_cast<int>(b.choose.items.size())) return;
    b.choose.selected = position;
    b.warn.text.clear();
    b.epic.cursor = Cursor::Arrow; // leaves the targeting mode
    setupAttack(w, weaponInUse(w), position);
}

void readyClick(World& w) {
    auto& b = w.battle;
    auto& c = w.combat;
    const int position = b.choose.selected;
    switch (position) {
    case 0: // a step away from the enemy
        if (b.char_.left > 0 && b.tp.value > 0) {
            b.char_.left -= kStep;
            b.dis.value += 1;
            b.tp.value -= 1;
            c.distance = b.dis.value;
        } else {
            showFightPrompt(w, "Вы стоите слишком близко или у вас мало ОД");
        }
        break;
    case 1: // a step towards it
        if (b.dis.value > 1 && b.tp.value > 0) {
            b.char_.left += kStep;
            b.dis.value -= 1;
            b.tp.value -= 1;
            c.distance = b.dis.value;
        } else {
            showFightPrompt(w, "Вы стоите слишком близко или у вас мало ОД");
        }
        break;
    case 2:
    case 3: // the fight has one coordinate
        break;
    case 4: // flee, from the left edge
        if (b.char_.left == 0 && b.tp.value >= 8) {
            hide(b.window);
            showGameScreen(w);
        } else {
            showFightPrompt(w, "Вы стоите слишком далеко от края или у вас мало ОД");
        }
        break;
    case 5: // the inventory
        if (b.tp.value >= 4) {
            openInventoryFromFight(w, b.hp.value, b.fhp.value);
            hideGameScreen(w);
            w.story.storyFlags[StoryFlag::invFromBattle] = 1;
            b.tp.value -= 4;
        } else {
            showFightPrompt(w, "Недостаточно очков действия!");
        }
        break;
    case 6:
    case 7:
    case 8:
    case 9:
        // There is no ammunition: the pistol's plain and aimed shots are both refused.
        if (weaponInUse(w) == itPistol10mm && position <= 7) {
            showFightPrompt(w, "Нет патронов.");
        } else if (b.dis.value <= labelNumber(b.dal.text) && b.tp.value >= c.attackApCost) {
            b.epic.cursor = Cursor::Cross;
            showFightPrompt(w, "Выберете цель...");
            b.epic.hint = std::to_string(c.playerHitChance) + "%";
            c.aimedAttack = position == 7 || position == 9 ? 1 : 0;
        } else {
            showFightPrompt(w, "Вы слишком далеко от цели или у вас мало ОД");
        }
        break;
    default:
        break;
    }
}

void epicClick(World& w) {
    if (w.battle.epic.cursor != Cursor::Cross) return;
    if (w.combat.aimedAttack == 1) {
        disableCombatScreen(w);
        openAim(w);
    } else {
        playerAttack(w, w.combat.playerHitChance);
    }
}

void endtClick(World& w) {
    auto& c = w.combat;
    c.enemyApLeft = c.enemy.enemyApPerTurn;
    c.enemyStepCount = 0;
    c.enemyTickCount = 0;
    // The player's points are refilled now, before the enemy moves.
    w.battle.tp.value = w.character.actionPoints;
    for (;;) {
        if (c.enemyApLeft <= 0) {
            c.enemyAttackCount = 0;
            startTimer(w, w.battle.Timer1, 250);
            return;
        }
        if (c.distance == 1) break;
        ++c.enemyStepCount;
        --c.enemyApLeft;
        --c.distance;
    }
    c.attackerSide = 1;
    c.enemyAttackPhase = 1;
    c.enemyAttackCount = c.enemy.enemyAttackApCost > 0 ? c.enemyApLeft / c.enemy.enemyAttackApCost : 0;
    startTimer(w, w.battle.Timer1, 300);
}

void victClick(World& w) {
    const SettleChoices settle(w);
    auto& b = w.battle;
    b.endt.visible = true;
    showGameScreen(w);
    hide(b.window);
    b.warn.text.clear();
    fightWon(w, w.combat.fightId);
}

void loseClick(World& w) {
    closeMainMenu(w);
}

void BitBtn3Click(World& w) {
    showSheetWithTraitList(w);
    disableCombatScreen(w);
}

void BitBtn1Click(World& w) {
    switchHand(w);
}

} // namespace battle

void Timer1Timer(World& w) {
    auto& b = w.battle;
    auto& c = w.combat;
    ++c.enemyTickCount;
    if (c.enemyTickCount <= c.enemyStepCount) {
        // An approach step; the enemy never steps into the player, who may have come nearer meanwhile
        // while an attack's outcome gave the screen back.
        disableCombatScreen(w);
        if (b.dis.value > 1) {
            b.epic.left -= kStep;
            b.dis.value -= 1;
        }
    } else if (c.enemyAttackCount == 0) {
        stopTimer(b.Timer1);
        enableCombatScreen(w);
    } else {
        showFightMessage(w, b.ename.text + " " + "атакует");
        // The enemy's attack speaks as the enemy, even if the player attacked in between.
        c.attackerSide = 1;
        c.lastDamage = resolveAttack(w, c.enemy.enemyMaxDamage, c.enemy.enemyMinDamage,
                                     c.enemy.enemyHitChance, c.enemy.hitPenalty);
        b.hp.value -= c.lastDamage;
        if (b.hp.value <= 0) {
            b.char_.visible = false;
            b.choose.visible = false;
            b.ready.visible = false;
            b.endt.visible = false;
            showFightMessage(w, "Вы были загрызены досмерти.");
            b.lose.visible = true;
        }
        showFightHitPoints(w, b.hp.value);
        // One attack, or two a second apart; the records allow no more.
        if (c.enemyAttackCount == 1) {
            stopTimer(b.Timer1);
        } else {
            if (c.enemyAttackPhase == 1)
                startTimer(w, b.Timer1, 1000);
            else
                stopTimer(b.Timer1);
            c.enemyAttackPhase = 2;
        }
        enableCombatScreen(w);
    }
    c.distance = b.dis.value;
}

void hitTimer(World& w) {
    showFightMessage(w, w.combat.pendingHitMessage);
    enableCombatScreen(w);
    stopTimer(w.battle.hit);
}

} // namespace cv
