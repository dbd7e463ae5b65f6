// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Weapons as they act in a fight, and the attack itself.
#include "weapons.h"

#include <algorithm>
#include <array>
#include <optional>
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

// One attack entry of a weapon: its caption (its cost shown at the end), damage range, reach and cost.
struct AttackRow {
    const char* caption;
    int minDamage;
    int maxOverMelee; // added to the character's melee damage, or the fixed maximum when `fixedMax`
    bool fixedMax;
    int reach;
    int apCost;
};

// How a weapon acts in a fight. When the action list is built the labels show its first attack, while the
// damage range held for the fight is the profile's own until an entry is chosen.
struct WeaponProfile {
    ItemId item;                // itNone: bare hands
    const char* builtName;      // `wea` when the list is built
    const char* chosenName;     // `wea` once any entry is chosen; nullptr keeps it (the pistol)
    const char* view;           // the fighter picture's weapon
    std::optional<Skill> skill; // for the to-hit chance, less 4; none leaves the chance as it was
    int readyMin, readyMax;     // the damage range held from the list's building until an entry is chosen
    const char* fastShot;       // the single entry a fast shooter gets instead of the first two, or nullptr
    std::vector<AttackRow> attacks; // by position from 6: first kind, its aimed form, second kind, aimed
};

const std::array<WeaponProfile, 4>& profiles() {
    static const std::array<WeaponProfile, 4> table{{
        {itNone,
         "Безоружна",
         "Без оружия",
         "no",
         Skill::unarm,
         2,
         4,
         nullptr,
         {{"Удар   3", 1, 2, false, 1, 3}, {"Приц. Удар   4", 1, 2, false, 1, 4}}},
        {itKnife,
         "Нож",
         "Нож",
         "knife",
         Skill::meele,
         2,
         9,
         nullptr,
         {{"Рубить   3", 1, 8, false, 1, 3},
          {"Приц. Рубить   4", 1, 8, false, 1, 4},
          {"Ткнуть   4", 1, 10, false, 1, 4},
          {"Приц. Ткнуть   5", 1, 10, false, 1, 5}}},
        {itPistol10mm,
         "10мм Пистолет",
         nullptr,
         "gun",
         std::nullopt,
         5,
         12,
         "Выстрел   4",
         {{"Выстрел   5", 5, 12, true, 25, 0}, {"Приц. Выстрел   6", 5, 12, true, 25, 0}}},
        {itSpear,
         "Копьё",
         "Копьё",
         "spear",
         Skill::meele,
         4,
         13,
         nullptr,
         {{"Ткнуть   4", 3, 12, false, 2, 4},
          {"Приц. Ткнуть   5", 3, 12, false, 2, 5},
          {"Метать   6", 3, 14, false, 6, 6},
          {"Приц. Метать   7", 3, 14, false, 6, 7}}},
    }};
    return table;
}

// The profile of a weapon; nullptr for anything else in the hand (the combat knife, a powder, nothing).
const WeaponProfile* profileOf(ItemId weapon) {
    for (const WeaponProfile& p : profiles())
        if (p.item == weapon) return &p;
    return nullptr;
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
    // Bare hands are the empty hand (slot 0); a slot that holds nothing or a weapon without a profile
    // gives no entries, and leaves the labels as they were.
    const ItemId id = slot == 0 ? itNone : w.inventory.invItem[static_cast<std::size_t>(slot)];
    if (slot != 0 && id == itNone) return;
    const WeaponProfile* p = profileOf(id);
    if (!p) return;
    std::size_t rows = fullSet ? p->attacks.size() : 2;
    // Bare hands load the figure before their entries; a weapon lists its entries first.
    if (id == itNone) loadFighter(w, p->view);
    if (p->fastShot && w.character.hasTrait(trFastShooter)) {
        b.choose.items.emplace_back(p->fastShot);
        rows = 0;
    }
    for (std::size_t i = 0; i < rows; ++i)
        b.choose.items.emplace_back(p->attacks[i].caption);
    if (id != itNone) loadFighter(w, p->view);
    c.playerMinDamage = p->readyMin, c.playerMaxDamage = p->readyMax;
    if (p->skill) c.playerHitChance = skillValue(w, *p->skill) - 4;
    const AttackRow& first = p->attacks.front();
    b.wea.text = p->builtName;
    b.min.text = std::to_string(first.minDamage);
    b.max.text = std::to_string(maxOf(w, first));
    b.dal.text = std::to_string(first.reach);
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
    const WeaponProfile* p = profileOf(weapon);
    // The pistol's entries change nothing: it has no name of its own to set.
    if (!p || !p->chosenName) return;
    auto& b = w.battle;
    auto& c = w.combat;
    b.wea.text = p->chosenName;
    if (position < 6 || position >= 6 + static_cast<int>(p->attacks.size())) return;
    const AttackRow& r = p->attacks[static_cast<std::size_t>(position - 6)];
    c.playerMinDamage = r.minDamage;
    c.playerMaxDamage = maxOf(w, r);
    if (p->skill) c.playerHitChance = skillValue(w, *p->skill) - 4;
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
