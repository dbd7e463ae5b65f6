// The game screen's own handlers and its reset before a location's entry scene.
#include "gamescreen.h"

#include <string>

#include "../assets/assets.h"
#include "../dialogue/dialogue.h"
#include "../world.h"
#include "scene.h"

namespace cv {

void gameFormCreate(World& w) {
    loadPicture(w, w.Gameform.fon, assets::talk);
}

void resetGameScreen(World& w) {
    auto& g = w.Gameform;
    for (auto& c : g.c)
        c.checked = false;
    show(g.window);
    for (auto& a : g.a)
        a.visible = true;
    for (auto& c : g.c)
        c.visible = true;
    leaveDialogue(w);
    g.ready.enabled = false;
    hide(w.mapform.window);
}

void choiceClick(World& w, int choice) {
    auto& g = w.Gameform;
    // One group: the clicked choice becomes the selected one.
    for (int i = 0; i < 5; ++i)
        g.c[i].checked = (i == choice - 1);
    g.ready.enabled = true;
}

void readyClick(World& w) {
    confirmChoice(w);
}

void mapbClick(World& w) {
    show(w.mapform.window);
    hide(w.Gameform.window);
    loadPicture(w, w.Gameform.fon, assets::talk);
    w.Gameform.pros.visible = true;
}

void characterClick(World& w) {
    w.Gameform.window.enabled = false;
    w.battle.window.enabled = false;
    show(w.createform.window);
    bringToFront(w, w.createform.bonusp);
}

void veskClick(World& w) {
    w.Gameform.window.enabled = false;
    show(w.Vesk.window);
    w.Vesk.ar.visible = false;
}

void inventoryClick(World& w) {
    show(w.InvForm.window);
    w.Gameform.window.enabled = false;
    auto& inv = w.InvForm;
    const auto& sheet = w.createform.derived;
    inv.fwe.text = std::to_string(sheet[screens::dMw].value);
    inv.hp.text = std::to_string(w.character.hitPoints);
    inv.fhp.text = std::to_string(w.character.maxHitPoints);
    inv.min1.text = "1";
    inv.min2.text = "1";
    inv.max1.text = std::to_string(sheet[screens::dDam].value + 2);
    inv.max2.text = inv.max1.text;
}

} // namespace cv
