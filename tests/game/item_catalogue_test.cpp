// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The item catalogue: texts, weights, actions, heal ranges and weapon data of the twelve kinds.
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/inventory/items.h"

namespace cv {
namespace {

using enum ItemAction;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

struct Weapon {
    std::string handName;
    int minDamage, maxDamage; // over melee damage unless fixed
    bool fixedMax;
    int range;
    std::string picture;
};

struct Case {
    int id;
    std::string listName;
    int weight;
    std::string description;
    std::vector<std::string> detail;
    std::vector<ItemAction> actions;
    std::optional<HealRange> heal;
    std::optional<Weapon> weapon;
};

TEST(ItemCatalogue, EveryKindAsTheInventoryShowsIt) {
    const std::vector<ItemAction> all{Use, Examine, Drop}, keep{Examine, Drop};
    const std::vector<Case> cases = {
        {1,
         "Нож",
         1,
         "Заточенное орудие, используемое для разделки туш.",
         {"НОЖ", "Повр. 1-8", "Мин СЛ 2", "Весит 1 фунт"},
         all,
         {},
         Weapon{"Нож", 1, 8, false, 1, "INV/knife.jpg"}},
        {2,
         "Целебный порошок",
         1,
         "Пьянящее снадобье для заживления лёгких ранений.",
         {"Целебный порошок", "Восстанавливет 10-15 жизней. -1 Мудрость на 3 часа.", "Весит 1 фунт"},
         all,
         HealRange{10, 5},
         {}},
        {3,
         "10мм Пистолет",
         3,
         "Автоматический пистолет калибра 10мм",
         {"10мм Пистолет", "Повр. 5-12", "Мин СЛ 3", "Весит 3 фунта"},
         all,
         {},
         Weapon{"10мм Пистолет", 5, 12, true, 25, "INV/10mm.jpg"}},
        {4,
         "Живолек",
         0,
         "Сильная инъекция для заживления тяжёлых ранений",
         {"Стимулятор", "Восстанавливет 15-20 жизней.", "Весит 0 фунтов"},
         all,
         HealRange{15, 5},
         {}},
        {5, "Верёвка", 10, "Длинный кусок крепкого материала", {"Верёвка", "Весит 10 фунтов"}, keep, {}, {}},
        {6,
         "Боевой нож",
         2,
         "Это оружие - настоящий пример мастерства изготовителя",
         {"Боевой нож", "Повр. 3-12", "Мин СЛ 3", "Весит 2 фунт"},
         all,
         {},
         Weapon{"Боевой нож", 3, 12, false, 1, "INV/knife2.jpg"}},
        {7,
         "Копьё",
         4,
         "Заточенный металлический наконечник на деревянном древке",
         {"Копьё", "Повр. 3-12", "Мин СЛ 4", "Весит 4 фунт"},
         all,
         {},
         Weapon{"Копьё", 3, 12, false, 2, "INV/spear.jpg"}},
        {8,
         "Фрукт",
         1,
         "Небольшое мутировавшее яблоко.",
         {"Фрукт", "Восстанавливет 1-5 жизней.", "Весит 1 фунт"},
         all,
         HealRange{1, 4},
         {}},
        {9,
         "Корень Тильвы",
         0,
         "Странное растение, применяемое шаманом в медицине",
         {"Корень Тильвы", "Весит 0 фунтов"},
         keep,
         {},
         {}},
        {10,
         "Монеты",
         0,
         "Это то, что заречные люди называют \"деньги\"",
         {"Монеты", "Весит 0 фунтов"},
         keep,
         {},
         {}},
        {11, "Мясо", 1, "Небольшой кусок вяленого мяса двурога", {"Мясо", "Весит 1 фунт"}, keep, {}, {}},
        {12,
         "Взрывчатка",
         4,
         "Пластиковая взрывчатка - интересно, когда её изобрели?..",
         {"Взрывчатка", "Весит 4 фунта"},
         keep,
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listName);
        const ItemInfo* info = itemInfo(static_cast<ItemId>(c.id));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->listName, c.listName);
        EXPECT_EQ(info->weight, c.weight);
        EXPECT_EQ(info->description, c.description);
        EXPECT_EQ(lines(info->detail), c.detail) << "one segment per line";
        EXPECT_EQ(info->actions, c.actions);
        EXPECT_EQ(info->heals, c.heal.has_value());
        if (c.heal) {
            EXPECT_EQ(info->heal.base, c.heal->base);
            EXPECT_EQ(info->heal.extra, c.heal->extra);
        }
        EXPECT_EQ(info->weapon, c.weapon.has_value());
        if (c.weapon) {
            const WeaponData& d = info->weaponData;
            EXPECT_EQ(d.handName, c.weapon->handName);
            EXPECT_EQ(d.minDamage, c.weapon->minDamage);
            EXPECT_EQ(d.maxDamageOverMelee, c.weapon->maxDamage);
            EXPECT_EQ(d.fixedMax, c.weapon->fixedMax);
            EXPECT_EQ(d.range, c.weapon->range);
            EXPECT_EQ(d.handPicture, c.weapon->picture);
        }
    }
}

TEST(ItemCatalogue, OnlyTheTwelveKindsHaveEntries) {
    for (int id : {-1, 0, 13, 255})
        EXPECT_EQ(itemInfo(static_cast<ItemId>(id)), nullptr) << id;
}

} // namespace
} // namespace cv
