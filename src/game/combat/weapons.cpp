// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Weapons as they act in a fight, and the attack itself.
#include "weapons.h"

#include <algorithm>
#include <string>
#include <vector>

#include "../assets/assets.h"
#include "../character/sheet.h"
#include "../clock.h"
#include "../story/storylog.h"
#include "../world.h"

namespace cv {

namespace {

using enum ItemId;

// The attack entries a weapon lists, by position from 6: first kind, its aimed form, second kind, aimed.
struct AttackRow {
    const char* caption;
    int minDamage;
    int maxOverMelee; // added to the character's melee damage, or the fixed maximum when `fixedMax`
    bool fixedMax;
    int reach;
    int apCost;
};

struct Profile {
    const char* listName; // "wea" once an entry is chosen
    const char* view;     // the fighter picture's weapon: knife, gun, spear, no
    std::vector<AttackRow> rows;
};

const Profile& profileOf(ItemId weapon) {
    static const Profile bare{
        "Без оружия", "no", {{"Удар   3", 1, 2, false, 1, 3}, {"Приц. Удар   4", 1, 2, false, 1, 4}}};
    static const Profile knife{"Нож",
                               "knife",
                               {{"Рубить   3", 1, 8, false, 1, 3},
                                {"Приц. Рубить   4", 1, 8, false, 1, 4},
                                {"Ткнуть   4", 1, 10, false, 1, 4},
                                {"Приц. Ткнуть   5", 1, 10, false, 1, 5}}};
    static const Profile spear{"Копьё",
                               "spear",
                               {{"Ткнуть   4", 3, 12, false, 2, 4},
                                {"Приц. Ткнуть   5", 3, 12, false, 2, 5},
                                {"Метать   6", 3, 14, false, 6, 6},
                                {"Приц. Метать   7", 3, 14, false, 6, 7}}};
    static const Profile pistol{
        "10мм Пистолет",
        "gun",
        {{"Выстрел   5", 5, 12, true, 25, 0}, {"Приц. Выстрел   6", 5, 12, true, 25, 0}}};
    switch (weapon) {
    case itKnife:
        return knife;
    case itSpear:
        return spear;
    case itPistol10mm:
        return pistol;
    default:
        return bare;
    }
}

bool hasProfile(ItemId id) {
    return id == itNone || id == itKnife || id == itSpear || id == itPistol10mm;
}

int maxOf(const World& w, const AttackRow& r) {
    return r.fixedMax ? r.maxOverMelee : w.character.meleeDamage + r.maxOverMelee;
}

// The figure holding the weapon, by the character's sex; another sex leaves the picture as it was.
void loadFighter(World& w, const char* view) {
    const int sex = w.character.playerSex;
    if (sex == 1 || sex == 2) loadPicture(w, w.battle.char_, assets::viewPath(view, sex));
}

// Entries, figure, damage state and labels of the weapon in `slot`, as the list shows them: the first
// kind and its aimed form, or with `fullSet` every kind (the weapon switch). A figure that cannot be
// loaded stops it, and its caller, there.
void fillWeapon(World& w, int slot, bool fullSet) {
    auto& b = w.battle;
    auto& c = w.combat;
    // Bare hands are the empty hand (slot 0); a slot that holds nothing, a combat knife or anything else
    // has no profile: no entries, and the labels as they were.
    const ItemId id = slot == 0 ? itNone : w.inventory.invItem[static_cast<std::size_t>(slot)];
    if (slot != 0 && (id == itNone || !hasProfile(id))) return;
    const Profile& p = profileOf(id);
    std::size_t rows = fullSet ? p.rows.size() : 2;
    // Bare hands load the figure before their entries; a weapon lists its entries first.
    if (id == itNone) loadFighter(w, p.view);
    if (id == itPistol10mm && w.character.hasTrait(trFastShooter)) {
        b.choose.items.emplace_back("Выстрел   4");
        rows = 0;
    }
    for (std::size_t i = 0; i < rows; ++i)
        b.choose.items.emplace_back(p.rows[i].caption);
    if (id != itNone) loadFighter(w, p.view);
    const int B = w.character.meleeDamage;
    switch (id) {
    case itKnife:
        c.playerMinDamage = 2, c.playerMaxDamage = 9;
        c.playerHitChance = skillValue(w, Skill::meele) - 4;
        b.wea.text = "Нож";
        b.dal.text = "1";
        b.min.text = "1";
        b.max.text = std::to_string(B + 8);
        break;
    case itPistol10mm:
        c.playerMinDamage = 5, c.playerMaxDamage = 12;
        b.wea.text = "10мм Пистолет";
        b.min.text = "5";
        b.max.text = "12";
        b.dal.text = "25";
        break;
    case itSpear:
        c.playerMinDamage = 4, c.playerMaxDamage = 13;
        c.playerHitChance = skillValue(w, Skill::meele) - 4;
        b.wea.text = "Копьё";
        b.min.text = "3";
        b.max.text = std::to_string(B + 12);
        b.dal.text = "2";
        break;
    default: // bare hands
        c.playerMinDamage = 2, c.playerMaxDamage = 4;
        c.playerHitChance = skillValue(w, Skill::unarm) - 4;
        b.wea.text = "Безоружна";
        b.min.text = "1";
        b.max.text = std::to_string(B + 2);
        b.dal.text = "1";
        break;
    }
}

} // namespace

void showFightMessage(World& w, const std::string& text) {
    w.battle.warn.text = text;
    logLine(w, LogEntry::Fight, text);
}

void showFightPrompt(World& w, const std::string& text) {
    w.battle.warn.text = text;
}

ItemId weaponInUse(const World& w) {
    const int slot = w.combat.activeWeaponSlot;
    return slot == 0 ? itNone : w.inventory.invItem[static_cast<std::size_t>(slot)];
}

void buildActionList(World& w) {
    auto& b = w.battle;
    auto& c = w.combat;
    // The first hand is the one in use before its figure loads: a picture fault leaves them agreeing.
    c.activeWeaponSlot = w.inventory.hand1Slot;
    c.activeHand = 1;
    c.aimedAttack = 0;
    c.distance = b.dis.value;
    b.choose.visible = true;
    b.ready.visible = true;
    b.epic.visible = true;
    b.vict.visible = false;
    // Only the six fixed entries stay; a chosen attack entry goes with its line.
    b.choose.items.resize(6);
    if (b.choose.selected >= 6) b.choose.selected = -1;
    fillWeapon(w, c.activeWeaponSlot, false);
}

void switchHand(World& w) {
    auto& b = w.battle;
    auto& c = w.combat;
    if (c.activeHand == 1) {
        c.activeWeaponSlot = w.inventory.hand2Slot;
        c.activeHand = 2;
    } else {
        c.activeWeaponSlot = w.inventory.hand1Slot;
        c.activeHand = 1;
    }
    // The fixed entries in their second form: three spaces each, and a Cyrillic С in "Сбежать".
    b.choose.items = {"Идти влево   1", "Идти вправо   1", "Идти вниз   1",
                      "Идти вверх   1", "Сбежать 8",       "Инвентарь   4"};
    b.choose.selected = -1;
    fillWeapon(w, c.activeWeaponSlot, true);
}

void setupAttack(World& w, ItemId weapon, int position) {
    if (!hasProfile(weapon) || weapon == itPistol10mm) return;
    auto& b = w.battle;
    auto& c = w.combat;
    const Profile& p = profileOf(weapon);
    b.wea.text = p.listName;
    const std::size_t attacks = weapon == itNone ? 2 : 4;
    if (position < 6 || position >= 6 + static_cast<int>(attacks)) return;
    const AttackRow& r = p.rows[static_cast<std::size_t>(position - 6)];
    c.playerMinDamage = r.minDamage;
    c.playerMaxDamage = maxOf(w, r);
    c.playerHitChance = skillValue(w, weapon == itNone ? Skill::unarm : Skill::meele) - 4;
    b.dal.text = std::to_string(r.reach);
    b.min.text = std::to_string(r.minDamage);
    b.max.text = std::to_string(maxOf(w, r));
    c.attackApCost = r.apCost;
}

int resolveAttack(World& w, int maxDamage, int minDamage, int hitChance, int penalty) {
    auto& c = w.combat;
    const int roll = w.roll(1, 99);
    startTimer(w, w.battle.hit, 750);
    if (roll > hitChance - penalty) {
        if (c.attackerSide == 1) c.pendingHitMessage = w.battle.ename.text + " " + "не попал.";
        if (c.attackerSide == 2) c.pendingHitMessage = "Вы промахнулись";
        return 0;
    }
    const int base = minDamage + w.roll(0, std::max(0, maxDamage - minDamage));
    int damage = base;
    // The same critical rule for both sides: the character's chance and the last aimed bonus.
    if (w.roll(1, 99) <= w.character.critChance + c.aimBonus) damage = base * w.roll(1, 2);
    const std::string shown = std::to_string(damage);
    if (c.attackerSide == 1)
        c.pendingHitMessage = w.character.playerName + " " + "ранена на " + " " + shown + " " + " жизней";
    if (c.attackerSide == 2)
        c.pendingHitMessage = w.battle.ename.text + " " + "ранен на " + shown + " " + " жизней";
    return damage;
}

int playerStrike(World& w, int chance) {
    auto& c = w.combat;
    c.attackerSide = 2;
    showFightMessage(w, "ДемоИгрок бьёт.");
    c.lastDamage = resolveAttack(w, c.playerMaxDamage, c.playerMinDamage, chance, c.enemy.hitPenalty);
    c.enemy.enemyHp -= c.lastDamage;
    return c.lastDamage;
}

void playerAttack(World& w, int chance) {
    playerStrike(w, chance);
    updateEnemyCondition(w);
}

void updateEnemyCondition(World& w) {
    auto& b = w.battle;
    const EnemyRecord& e = w.combat.enemy;
    // An attack takes at most the points left: while the body-part screen was open, an attack's outcome
    // may have given the fight back to the player, who could spend points meanwhile.
    b.tp.value = std::max(0, b.tp.value - w.combat.attackApCost);
    b.epic.cursor = Cursor::Arrow;
    // Real-number thresholds: 7 left of 15 is badly wounded (7.5), 8 only wounded.
    if (e.enemyHp < e.enemyMaxHp) b.esos.text = "Ранен";
    if (e.enemyMaxHp * 0.5 >= e.enemyHp) b.esos.text = "Тяжело ранен";
    if (e.enemyMaxHp * 0.25 >= e.enemyHp) b.esos.text = "Почти мёртв";
    if (e.enemyHp < 1) {
        b.epic.visible = false;
        b.choose.visible = false;
        b.ready.visible = false;
        showFightMessage(w, "Победа!");
        b.esos.text = "Мёртв";
        b.vict.visible = true;
        b.endt.visible = false;
    }
}

} // namespace cv
