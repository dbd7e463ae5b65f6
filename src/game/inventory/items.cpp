// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory store's operations over its twenty slots and the two hands, and the item catalogue.
#include "items.h"

#include <array>
#include <initializer_list>
#include <utility>

#include "../assets/assets.h"
#include "../world.h"

namespace cv {

void addItem(World& w, ItemId id, int count) {
    auto& inv = w.inventory;
    // The first slot that holds the kind or is empty decides, so an earlier gap starts a new stack.
    for (int i = 1; i <= kSlotCount; ++i) {
        if (inv.invItem[i] == id) {
            inv.invCount[i] += count;
            return;
        }
        if (inv.invItem[i] == ItemId::itNone) {
            inv.invItem[i] = id;
            inv.invCount[i] = count;
            return;
        }
    }
    // A full store drops the items without a word.
}

void removeItem(World& w, ItemId id, int count) {
    auto& inv = w.inventory;
    for (int i = 1; i <= kSlotCount; ++i) {
        if (inv.invItem[i] != id) continue;
        inv.invCount[i] -= count;
        if (inv.invCount[i] == 0) inv.invItem[i] = ItemId::itNone; // callers compact afterwards
        return;
    }
}

bool hasItem(const World& w, ItemId id, int count) {
    return w.inventory.holds(id, count);
}

void compactInventory(World& w) {
    auto& inv = w.inventory;
    for (int i = 1; i <= kSlotCount; ++i) {
        if (inv.invItem[i] != ItemId::itNone) continue;
        for (int j = i; j <= kSlotCount; ++j) {
            if (static_cast<int>(inv.invItem[j]) <= 0) continue;
            inv.invItem[i] = inv.invItem[j];
            inv.invCount[i] = inv.invCount[j];
            inv.invItem[j] = ItemId::itNone;
            inv.invCount[j] = 0;
            // A hand points at a slot, so it follows its item.
            if (inv.hand1Slot == j) inv.hand1Slot = i;
            if (inv.hand2Slot == j) inv.hand2Slot = i;
            break;
        }
    }
}

int loadTotal(const World& w) {
    const auto& inv = w.inventory;
    int total = 0;
    for (int i = 1; i <= kSlotCount && inv.invItem[i] != ItemId::itNone; ++i)
        if (const ItemInfo* info = itemInfo(inv.invItem[i])) total += info->weight; // once per slot
    return total;
}

void clearInventory(World& w) {
    auto& inv = w.inventory;
    inv.invItem.fill(ItemId::itNone);
    inv.invCount.fill(0);
    inv.hand1Slot = 0;
    inv.hand2Slot = 0;
    inv.fromHand = false;
}

bool raiseFirstStack(World& w, ItemId id, int count) {
    auto& inv = w.inventory;
    for (int i = 1; i <= kSlotCount; ++i)
        if (inv.invItem[i] == id) {
            inv.invCount[i] += count;
            return true;
        }
    return false;
}

bool putInFirstEmptySlot(World& w, ItemId id, int count) {
    auto& inv = w.inventory;
    const int slot = inv.firstEmptySlot();
    if (slot == 0) return false;
    inv.invItem[static_cast<std::size_t>(slot)] = id;
    inv.invCount[static_cast<std::size_t>(slot)] = count;
    return true;
}

namespace {

using enum ItemAction;

std::string joinLines(std::initializer_list<const char*> segments) {
    std::string text;
    for (const char* segment : segments) {
        if (!text.empty()) text += '\n';
        text += segment;
    }
    return text;
}

ItemInfo plain(const char* listName, int weight, const char* description, std::string detail) {
    return ItemInfo{listName, weight, description, std::move(detail), {Examine, Drop}, false, {}, false, {}};
}

ItemInfo healing(const char* listName, int weight, const char* description, std::string detail,
                 HealRange heal) {
    return ItemInfo{listName, weight, description, std::move(detail), {Use, Examine, Drop}, true,
                    heal,     false,  {}};
}

ItemInfo weapon(const char* listName, int weight, const char* description, std::string detail,
                WeaponData data) {
    return ItemInfo{listName, weight, description, std::move(detail), {Use, Examine, Drop},
                    false,    {},     true,        std::move(data)};
}

const std::array<ItemInfo, 12>& catalogue() {
    static const std::array<ItemInfo, 12> items{
        weapon("Нож", 1, "Заточенное орудие, используемое для разделки туш.",
               joinLines({"НОЖ", "Повр. 1-8", "Мин СЛ 2", "Весит 1 фунт"}),
               {"Нож", 1, 8, false, 1, assets::invPath("knife")}),
        healing("Целебный порошок", 1, "Пьянящее снадобье для заживления лёгких ранений.",
                joinLines({"Целебный порошок", "Восстанавливет 10-15 жизней. -1 Мудрость на 3 часа.",
                           "Весит 1 фунт"}),
                {10, 5}),
        weapon("10мм Пистолет", 3, "Автоматический пистолет калибра 10мм",
               joinLines({"10мм Пистолет", "Повр. 5-12", "Мин СЛ 3", "Весит 3 фунта"}),
               {"10мм Пистолет", 5, 12, true, 25, assets::invPath("10mm")}),
        healing("Живолек", 0, "Сильная инъекция для заживления тяжёлых ранений",
                joinLines({"Стимулятор", "Восстанавливет 15-20 жизней.", "Весит 0 фунтов"}), {15, 5}),
        plain("Верёвка", 10, "Длинный кусок крепкого материала", joinLines({"Верёвка", "Весит 10 фунтов"})),
        weapon("Боевой нож", 2, "Это оружие - настоящий пример мастерства изготовителя",
               joinLines({"Боевой нож", "Повр. 3-12", "Мин СЛ 3", "Весит 2 фунт"}),
               {"Боевой нож", 3, 12, false, 1, assets::invPath("knife2")}),
        weapon("Копьё", 4, "Заточенный металлический наконечник на деревянном древке",
               joinLines({"Копьё", "Повр. 3-12", "Мин СЛ 4", "Весит 4 фунт"}),
               {"Копьё", 3, 12, false, 2, assets::invPath("spear")}),
        healing("Фрукт", 1, "Небольшое мутировавшее яблоко.",
                joinLines({"Фрукт", "Восстанавливет 1-5 жизней.", "Весит 1 фунт"}), {1, 4}),
        plain("Корень Тильвы", 0, "Странное растение, применяемое шаманом в медицине",
              joinLines({"Корень Тильвы", "Весит 0 фунтов"})),
        plain("Монеты", 0, "Это то, что заречные люди называют \"деньги\"",
              joinLines({"Монеты", "Весит 0 фунтов"})),
        plain("Мясо", 1, "Небольшой кусок вяленого мяса двурога", joinLines({"Мясо", "Весит 1 фунт"})),
        plain("Взрывчатка", 4, "Пластиковая взрывчатка - интересно, когда её изобрели?..",
              joinLines({"Взрывчатка", "Весит 4 фунта"})),
    };
    return items;
}

} // namespace

const ItemInfo* itemInfo(ItemId id) {
    if (!isItem(id)) return nullptr;
    return &catalogue()[static_cast<std::size_t>(id) - 1];
}

} // namespace cv
