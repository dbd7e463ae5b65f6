// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The binding: the game's operations for the layers below, the timers, and every control's input.
#include "binding.h"

#include <string>

#include "character/creation.h"
#include "character/readymade.h"
#include "character/sheet.h"
#include "combat/aim.h"
#include "combat/battle.h"
#include "combat/weapons.h"
#include "dialogue/theft.h"
#include "effects/host.h"
#include "inventory/items.h"
#include "inventory/screen.h"
#include "shell/shell.h"
#include "story/gamescreen.h"
#include "story/map.h"
#include "story/mode.h"
#include "story/newgame.h"
#include "story/questlog.h"
#include "story/storylog.h"
#include "world.h"

namespace cv {

namespace {

// The game's operations, each carried out by the subsystem that owns what it changes.
class GameHost final : public fx::Host {
  public:
    void text(World& w, fx::Where where, int n, const std::string& text) override {
        switch (where) {
        case fx::Where::Story:
            setStoryText(w, n, text);
            break;
        case fx::Where::Choice:
            setChoiceCaption(w, n, text);
            break;
        case fx::Where::Answer:
            setAnswerText(w, n, text);
            break;
        case fx::Where::Partner:
            setPartnerLine(w, text);
            break;
        case fx::Where::Reading:
            setStoryReading(w, n, text);
            break;
        }
    }
    void show(World& w, fx::What what, int n, bool shown) override {
        switch (what) {
        case fx::What::Choice:
            setChoiceVisible(w, n, shown);
            break;
        case fx::What::Answer:
            setAnswerVisible(w, n, shown);
            break;
        case fx::What::MapButton:
            setMapButtonVisible(w, shown);
            break;
        case fx::What::Confirm:
            setConfirmVisible(w, shown);
            break;
        case fx::What::SecondTextHigh:
            if (shown) raiseSecondStoryText(w);
            break;
        }
    }
    void say(World& w, const std::array<std::string, 6>& t) override {
        setDialogue(w, t[0], t[1], t[2], t[3], t[4], t[5]);
    }
    void go(World& w, fx::Place place) override {
        switch (place) {
        case fx::Place::Map:
            goToMap(w);
            break;
        case fx::Place::MapAsIs:
            openMap(w);
            break;
        case fx::Place::FreshScreen:
            resetGameScreen(w);
            break;
        case fx::Place::Choices:
            leaveDialogue(w);
            break;
        case fx::Place::Dialogue:
            enterDialogue(w);
            break;
        }
    }
    void background(World& w, const std::string& file) override { loadBackground(w, file); }
    void add(World& w, ItemId item, int count, fx::Placement placement) override {
        switch (placement) {
        case fx::Placement::NewStack:
            addItem(w, item, count);
            break;
        case fx::Placement::OnFirstStack:
            if (!raiseFirstStack(w, item, count)) addItem(w, item, count);
            break;
        case fx::Placement::FirstEmptySlot:
            putInFirstEmptySlot(w, item, count);
            break;
        }
    }
    void remove(World& w, ItemId item, int count) override { removeItem(w, item, count); }
    void compact(World& w) override { compactInventory(w); }
    void gain(World& w, Skill skill, int amount) override { addToSkill(w, skill, amount); }
    void quest(World& w, QuestLine line, const std::string& text) override { setQuestLine(w, line, text); }
    void fight(World& w, int fight) override { startFight(w, fight); }
    bool roll(World& w, Check check) override {
        switch (check) {
        case Check::StealFromGuard:
            return theftSucceeds(w, Thief::Guard);
        case Check::StealFromAunt:
            return theftSucceeds(w, Thief::Aunt);
        default:
            return randomCheck(w, check);
        }
    }
    void countCatch(World& w) override {
        if (cv::countCatch(w)) expel(w);
    }
    void openSheetFromGameScreen(World& w) override { showSheetWithBonusPanel(w); }
    int healInFight(World& w, int amount) override { return cv::healInFight(w, amount); }
    void backToFight(World& w) override { buildActionList(w); }
};

GameHost host;

void on(Screen& s, const Control& c, Handler h) {
    s.entry(c).click = std::move(h);
}

// The controls' inputs, screen by screen: each control of a screen's declaration that acts on a player's
// input gets the handler of the subsystem that owns the screen.
void bindInputs(World& w) {
    auto& m = w.Menuform;
    on(m, m.BitBtn6, newGameClick);
    on(m, m.BitBtn4, authorsClick);
    on(m, m.BitBtn1, helpClick);
    on(m, m.BitBtn3, exitClick);
    m.window.close = exitClick;
    w.auth.window.close = closeCredits;
    w.help.window.close = closeHelp;
    w.fonts.window.close = closeFonts;

    auto& r = w.createf;
    on(r, r.Image4, takeClick);
    on(r, r.Image3, createClick);
    on(r, r.Image5, backClick);

    auto& g = w.Gameform;
    for (int i = 0; i < 5; ++i)
        on(g, g.c[static_cast<std::size_t>(i)], [i](World& world) { choiceClick(world, i + 1); });
    on(g, g.ready, readyClick);
    const Handler answers[4] = {answer1, answer2, answer3, answer4};
    for (std::size_t i = 0; i < 4; ++i)
        on(g, g.a[i], answers[i]);
    on(g, g.pros, prosClick);
    on(g, g.mapb, mapbClick);
    on(g, g.BitBtn2, characterClick);
    on(g, g.BitBtn3, veskClick);
    on(g, g.BitBtn1, inventoryClick);
    on(g, g.exitCommand, exitClick);
    on(g, g.fontCommand, fontMenuClick);
    on(g, g.helpCommand, helpClick);

    auto& map = w.mapform;
    for (int i = 0; i < kLocationCount; ++i)
        on(map, map.place[static_cast<std::size_t>(i)], [i](World& world) { enterLocation(world, i + 1); });
    on(map, map.place[screens::kMapBack], mapBackClick);

    auto& b = w.battle;
    on(b, b.epic, battle::epicClick);
    b.entry(b.choose).pick = battle::chooseClick;
    on(b, b.ready, battle::readyClick);
    on(b, b.BitBtn3, battle::BitBtn3Click);
    on(b, b.endt, battle::endtClick);
    on(b, b.vict, battle::victClick);
    on(b, b.lose, battle::loseClick);
    b.entry(b.lose).quits = true;
    on(b, b.BitBtn1, battle::BitBtn1Click);

    auto& a = w.accform;
    for (int i = 0; i < 5; ++i)
        on(a, a.b[static_cast<std::size_t>(i)],
           [i](World& world) { accform::bClick(world, static_cast<BodyPart>(i + 1)); });
    on(a, a.ready, accform::readyClick);

    auto& f = w.createform;
    f.entry(f.namec).type = typeName;
    f.entry(f.age).type = typeAge;
    f.entry(f.sex).type = typeSex;
    for (int i = 0; i < screens::kStatCount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        on(f, f.raise[s], [i](World& world) { raiseStat(world, i); });
        on(f, f.lower[s], [i](World& world) { lowerStat(world, i); });
    }
    for (int k = 0; k < screens::kSkillCount; ++k) {
        const auto s = static_cast<std::size_t>(k);
        on(f, f.tagButton[s], [k](World& world) { toggleTag(world, k + 1); });
        on(f, f.s[s], [k](World& world) { skillCaptionClick(world, k + 1); });
    }
    for (int n = 0; n < screens::kTraitCount; ++n)
        on(f, f.traitButton[static_cast<std::size_t>(n)],
           [n](World& world) { traitButtonClick(world, n + 1); });
    on(f, f.Image2, acceptClick);
    on(f, f.Image1, cancelClick);
    on(f, f.kil, kilClick);
    on(f, f.kar, karClick);
    on(f, f.bon, bonClick);
    f.window.close = closeSheet;

    auto& inv = w.InvForm;
    inv.entry(inv.citem).pick = inv::citemClick;
    for (int n = 1; n <= 6; ++n)
        on(inv, inv.a[static_cast<std::size_t>(n - 1)],
           [n](World& world) { inv::actionClick(world, static_cast<InvAction>(n)); });
    on(inv, inv.ready, inv::readyClick);
    on(inv, inv.v1, [](World& world) { inv::handClick(world, 1); });
    on(inv, inv.v2, [](World& world) { inv::handClick(world, 2); });
    on(inv, inv.Image2, inv::Image2Click);

    auto& v = w.Vesk;
    on(v, v.Image2, vesk::Image2Click);
    on(v, v.Image3, vesk::Image3Click);
    on(v, v.ar, vesk::arClick);

    on(w.storylog, w.storylog.close, storyLogClose);
}

} // namespace

void bindGame(World& w) {
    w.host = &host;
    w.timers = {{&w.battle.Timer1, Timer1Timer, "battle.Timer1"}, {&w.battle.hit, hitTimer, "battle.hit"}};
    bindInputs(w);
}

} // namespace cv
