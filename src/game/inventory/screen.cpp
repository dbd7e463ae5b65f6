// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory screen: the list of the store, the item shown, the actions, the hands and the figure.
#include "screen.h"

#include <string>

#include "../assets/assets.h"
#include "../effects/host.h"
#include "../shell/shell.h"
#include "../world.h"
#include "items.h"

namespace cv {

namespace {

using enum ItemId;
constexpr const char* kUsed = "<<Использовано>>";

RadioButton& actionButton(World& w, InvAction a) {
    return w.InvForm.a.at(static_cast<std::size_t>(a) - 1);
}

void hideActions(World& w) {
    for (auto& r : w.InvForm.a)
        r.visible = false;
}

// A hidden action cannot stay chosen: "Сделать" would carry it out unseen (taking a held weapon into the
// other hand as well, say).
void forgetHiddenActions(World& w) {
    for (auto& r : w.InvForm.a)
        if (!r.visible) r.checked = false;
}

ItemId itemIn(const World& w, int slot) {
    if (slot < 1 || slot > kSlotCount) return itNone;
    return w.inventory.invItem[static_cast<std::size_t>(slot)];
}

int& handSlot(World& w, int hand) {
    return hand == 1 ? w.inventory.hand1Slot : w.inventory.hand2Slot;
}

// The labels of a hand: picture, name, damage range and reach.
struct HandLabels {
    Picture& picture;
    Label &name, &min, &max, &range;
};
HandLabels handLabels(World& w, int hand) {
    auto& f = w.InvForm;
    if (hand == 1) return {f.v1, f.w1, f.min1, f.max1, f.d1};
    return {f.v2, f.w2, f.min2, f.max2, f.d2};
}

// An empty hand: no picture but the open hand, the bare-handed damage and reach, and its name. The
// picture loads first: a picture fault leaves the hand holding what it shows.
void emptyHand(World& w, int hand, const char* name) {
    HandLabels h = handLabels(w, hand);
    loadPicture(w, h.picture, assets::invPath("no"));
    handSlot(w, hand) = 0;
    h.name.text = name;
    h.min.text = "1";
    h.max.text = std::to_string(w.createform.derivedFigure(screens::dDam) + 2);
    h.range.text = "1";
}

int selectedLine(const World& w) {
    return w.InvForm.citem.selected;
}

// The figure holding a weapon of that kind.
const std::string& figureFor(const World& w, ItemId id) {
    if (id == itPistol10mm) return w.inventory.showPistolPic;
    if (id == itSpear) return w.inventory.showSpearPic;
    return w.inventory.showKnifePic;
}

bool isWeapon(ItemId id) {
    const ItemInfo* info = itemInfo(id);
    return info && info->weapon;
}

// One item of the slot is gone; an emptied slot loses its line and the store closes the gap.
void useUp(World& w, int slot) {
    auto& f = w.InvForm;
    auto& inv = w.inventory;
    f.choose.visible = false;
    f.itext.text.clear();
    const auto s = static_cast<std::size_t>(slot);
    inv.invCount[s] -= 1;
    if (inv.invCount[s] == 0) {
        inv.invItem[s] = itNone;
        if (slot < static_cast<int>(f.citem.items.size())) f.citem.items.erase(f.citem.items.begin() + slot);
        f.numb.text.clear();
        compactInventory(w);
    }
    refreshInventory(w);
}

void emptySlot(World& w, int slot) {
    w.inventory.invItem[static_cast<std::size_t>(slot)] = itNone;
    w.inventory.invCount[static_cast<std::size_t>(slot)] = 0;
}

void heal(World& w, const ItemInfo& info) {
    auto& f = w.InvForm;
    const int amount = info.heal.base + w.roll(0, info.heal.extra);
    if (w.story.storyFlags[StoryFlag::invFromBattle] == 1) {
        // In a fight the fight's own hit points heal, never above the fight's maximum.
        f.hp.text = std::to_string(w.game().healInFight(w, amount));
        return;
    }
    const int max = std::stoi(f.fhp.text);
    const int hp = std::min(std::stoi(f.hp.text) + amount, max);
    f.hp.text = std::to_string(hp);
    w.character.hitPoints = hp;
}

} // namespace

void setFigurePictures(World& w, int playerSex) {
    // The bare figure first: a picture fault leaves the figures of the character before.
    loadPicture(w, w.InvForm.mainshow, assets::showBarePath(playerSex));
    w.inventory.showPistolPic = assets::showPistolPath(playerSex);
    w.inventory.showSpearPic = assets::showSpearPath(playerSex);
    w.inventory.showKnifePic = assets::showKnifePath(playerSex);
}

namespace {

// The maximum load and both hands' damage, as the sheet gives them. Both hands show the bare-handed
// damage here, whatever they hold.
void showFigures(World& w) {
    auto& inv = w.InvForm;
    inv.fwe.text = std::to_string(w.createform.derivedFigure(screens::dMw));
    inv.min1.text = "1";
    inv.min2.text = "1";
    inv.max1.text = std::to_string(w.createform.derivedFigure(screens::dDam) + 2);
    inv.max2.text = inv.max1.text;
}

} // namespace

void openInventoryFromGameScreen(World& w) {
    auto& inv = w.InvForm;
    showOver(inv.window, w.Gameform.window);
    refreshInventory(w);
    showFigures(w);
    inv.hp.text = std::to_string(w.character.hitPoints);
    inv.fhp.text = std::to_string(w.character.maxHitPoints);
}

void openInventoryFromFight(World& w, int hitPoints, int maxHitPoints) {
    auto& inv = w.InvForm;
    showOver(inv.window, w.battle.window);
    refreshInventory(w);
    // Opened first from a fight, the screen would otherwise show blanks where its figures stand.
    showFigures(w);
    // The fight's own hit points, which a healing item used here raises.
    inv.hp.text = std::to_string(hitPoints);
    inv.fhp.text = std::to_string(maxHitPoints);
}

void showFightHitPoints(World& w, int hp) {
    w.InvForm.hp.text = std::to_string(hp);
}

void refreshInventory(World& w) {
    auto& f = w.InvForm;
    const auto& inv = w.inventory;
    f.gruz.text = std::to_string(loadTotal(w));
    f.citem.items = {"<<<--->>>"};
    f.citem.selected = -1;
    f.choose.visible = false;
    f.itext.text.clear();
    for (int i = 1; i <= kSlotCount; ++i) {
        const ItemId id = inv.invItem[static_cast<std::size_t>(i)];
        const ItemInfo* info = itemInfo(id);
        if (!info) continue;
        f.citem.items.push_back(i == inv.hand1Slot || i == inv.hand2Slot ? kUsed : info->listName);
    }
}

void describeSlot(World& w, int slot) {
    auto& f = w.InvForm;
    auto& inv = w.inventory;
    f.choose.visible = true;
    const auto s = static_cast<std::size_t>(std::clamp(slot, 0, kSlotCount));
    f.numb.text = std::to_string(inv.invCount[s]);
    const ItemInfo* info = itemInfo(itemIn(w, slot));
    hideActions(w);
    if (!info) {
        f.itext.text.clear();
        forgetHiddenActions(w);
        return;
    }
    f.itext.text = info->description;
    for (ItemAction a : info->actions)
        actionButton(w, a == ItemAction::Use       ? InvAction::Use
                        : a == ItemAction::Examine ? InvAction::Examine
                                                   : InvAction::Drop)
            .visible = true;
    inv.itemWeight = info->weight;
    if (!info->weapon) {
        forgetHiddenActions(w);
        return;
    }
    if (inv.hand1Slot != 0 && inv.hand2Slot != 0) actionButton(w, InvAction::Use).visible = false;
    const int line = selectedLine(w);
    if ((line >= 1 && (line == inv.hand1Slot || line == inv.hand2Slot)) || inv.fromHand) {
        actionButton(w, InvAction::Use).visible = false;
        actionButton(w, InvAction::TakeOff).visible = true;
    }
    forgetHiddenActions(w);
}

void equipSelected(World& w, ItemId id) {
    auto& f = w.InvForm;
    auto& inv = w.inventory;
    int hand = 0;
    if (inv.hand1Slot == 0)
        hand = 1;
    else if (inv.hand2Slot == 0)
        hand = 2;
    else
        return;
    const int line = selectedLine(w);
    const WeaponData& weapon = itemInfo(id)->weaponData;
    HandLabels h = handLabels(w, hand);
    // The hand's picture and the figure load before anything changes: a picture fault leaves the hand
    // empty, the line and its actions as they were.
    loadPictures(w, {{&h.picture, weapon.handPicture}, {&f.curshow, figureFor(w, id)}});
    handSlot(w, hand) = line;
    h.name.text = weapon.handName;
    h.min.text = std::to_string(weapon.minDamage);
    h.max.text = std::to_string(weapon.fixedMax
                                    ? weapon.maxDamageOverMelee
                                    : w.createform.derivedFigure(screens::dDam) + weapon.maxDamageOverMelee);
    h.range.text = std::to_string(weapon.range);
    bringToFront(w, f.mainshow);
    bringToFront(w, f.curshow);
    // The line is marked in place; the list is not rebuilt and the load stays as it was.
    f.citem.items.at(static_cast<std::size_t>(line)) = kUsed;
    hideActions(w);
    forgetHiddenActions(w);
    // No action is left to offer, so no empty panel with a dead "Сделать" stays.
    f.choose.visible = false;
    f.citem.selected = 0;
}

namespace inv {

void citemClick(World& w, int line) {
    auto& f = w.InvForm;
    if (line < 0 || line >= static_cast<int>(f.citem.items.size())) return;
    f.citem.selected = line;
    w.inventory.shownHand = 0;
    if (line == 0) {
        f.choose.visible = false;
        f.itext.text.clear();
        f.numb.text.clear();
        return;
    }
    w.inventory.fromHand = false;
    describeSlot(w, line);
}

void handClick(World& w, int hand) {
    auto& f = w.InvForm;
    auto& inv = w.inventory;
    const int slot = handSlot(w, hand);
    const ItemId id = itemIn(w, slot);
    const bool holdsWeapon = slot != 0 && isWeapon(id);
    // The figure loads first: a picture fault leaves the item shown before, and how it was chosen.
    if (holdsWeapon) loadPicture(w, f.curshow, figureFor(w, id));
    inv.fromHand = true;
    describeSlot(w, slot);
    inv.shownSlot = slot;
    inv.shownHand = hand;
    bringToFront(w, f.mainshow);
    bringToFront(w, f.curshow);
    if (!holdsWeapon) putBehind(w, f.curshow, f.mainshow);
}

void actionClick(World& w, InvAction a) {
    for (auto& r : w.InvForm.a)
        r.checked = false;
    actionButton(w, a).checked = true;
}

void readyClick(World& w) {
    auto& f = w.InvForm;
    auto& inv = w.inventory;
    InvAction action{};
    for (int i = 1; i <= 6; ++i)
        if (f.a[static_cast<std::size_t>(i - 1)].checked) action = static_cast<InvAction>(i);
    const int line = selectedLine(w);
    switch (action) {
    case InvAction::Use: {
        const ItemId id = itemIn(w, line);
        const ItemInfo* info = itemInfo(id);
        if (!info) return;
        if (info->weapon) {
            equipSelected(w, id);
        } else if (info->heals) {
            heal(w, *info);
            if (id == itHealingPowder) f.mdc.text = std::to_string(std::stoi(f.mdc.text) - 1);
            useUp(w, line);
        }
        break;
    }
    case InvAction::Examine: {
        const ItemInfo* info = itemInfo(itemIn(w, inv.fromHand ? inv.shownSlot : line));
        if (info) f.itext.text = info->detail;
        break;
    }
    case InvAction::Drop:
        if (inv.fromHand) {
            if (inv.shownSlot == 0) return; // an empty hand drops nothing
            // The hand first, whose picture may fail to load before anything changes.
            emptyHand(w, inv.shownHand, "Безоружна");
            emptySlot(w, inv.shownSlot);
            bringToFront(w, f.mainshow);
            compactInventory(w);
            refreshInventory(w);
            f.choose.visible = false;
            f.itext.text.clear();
            f.numb.text.clear();
        } else if (line >= 1 && (line == inv.hand1Slot || line == inv.hand2Slot)) {
            emptyHand(w, line == inv.hand1Slot ? 1 : 2, "Безоружна");
            emptySlot(w, line);
            compactInventory(w);
            refreshInventory(w);
            f.choose.visible = false;
            f.itext.text.clear();
            bringToFront(w, f.mainshow);
            f.numb.text.clear();
        } else if (itemIn(w, line) != itNone) {
            useUp(w, line);
        }
        break;
    case InvAction::TakeOff: {
        int hand = inv.shownHand;
        if (hand == 0)
            hand = line >= 1 && line == inv.hand1Slot ? 1 : line >= 1 && line == inv.hand2Slot ? 2 : 0;
        if (hand == 0) return;
        emptyHand(w, hand, "Без оружия");
        refreshInventory(w);
        bringToFront(w, f.mainshow);
        f.numb.text.clear();
        break;
    }
    default: // loading and unloading are never offered
        break;
    }
}

void Image2Click(World& w) {
    hide(w.InvForm.window);
    enableGameScreen(w);
    auto& flag = w.story.storyFlags[StoryFlag::invFromBattle];
    if (flag == 1) {
        // Back to the fight, with the weapon now in the first hand.
        flag = 0;
        w.game().backToFight(w);
    }
}

} // namespace inv

} // namespace cv
