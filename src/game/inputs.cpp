// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a player can do at a moment, with the handler each input runs.
#include "inputs.h"

#include "character/creation.h"
#include "character/readymade.h"
#include "character/sheet.h"
#include "combat/aim.h"
#include "combat/battle.h"
#include "dialogue/conversations.h"
#include "inventory/screen.h"
#include "shell/shell.h"
#include "story/gamescreen.h"
#include "story/map.h"
#include "story/questlog.h"
#include "story/storylog.h"
#include "world.h"

namespace cv {

namespace {

using Handler = std::function<void(World&)>;

// The longest a list of the game can be: the combat list's ten entries, the inventory's twenty-one lines.
constexpr int kMostLines = 21;

struct Builder {
    World& w;
    const Window* window = nullptr;
    std::vector<PlayerInput> out;

    void add(PlayerInput in) {
        in.window = window;
        out.push_back(std::move(in));
    }
    void click(const std::string& address, const Control& c, Handler h, const Control* panel = nullptr,
               const Control* cover = nullptr, bool quits = false) {
        PlayerInput in{PlayerInput::Kind::Click, address, -1,
                       [h](World& world, const std::string&) { h(world); }, quits};
        in.control = &c;
        in.panel = panel;
        in.cover = cover;
        add(std::move(in));
    }
    void lines(const std::string& address, const ListBox& list, std::function<void(World&, int)> h) {
        for (int i = 0; i < kMostLines; ++i) {
            PlayerInput in{PlayerInput::Kind::Select, address, i,
                           [h, i](World& world, const std::string&) { h(world, i); }};
            in.pick = h;
            in.control = &list;
            add(std::move(in));
        }
    }
    void typing(const std::string& address, const Edit& e) {
        PlayerInput in{PlayerInput::Kind::Type, address, -1,
                       [&e](World&, const std::string& t) { const_cast<Edit&>(e).text = t; }};
        in.control = &e;
        in.readOnly = &e.readOnly;
        add(std::move(in));
    }
    void typing(const std::string& address, ComboBox& c) {
        PlayerInput in{PlayerInput::Kind::Type, address, -1,
                       [&c](World&, const std::string& t) { c.text = t; }};
        in.control = &c;
        add(std::move(in));
    }
    void menu(const std::string& path, Handler h, bool quits = false) {
        add({PlayerInput::Kind::Menu, "Gameform " + path, -1,
             [h](World& world, const std::string&) { h(world); }, quits});
    }
    void close(const std::string& name, Window& model) {
        add({PlayerInput::Kind::Close, name, -1, [&model](World&, const std::string&) { hide(model); }});
    }
};

} // namespace

bool PlayerInput::available() const {
    if (!window->visible || !window->enabled) return false;
    if (!control) return true; // the menu and the close button
    if (!control->visible || !control->enabled) return false;
    if (panel && (!panel->visible || !panel->enabled)) return false;
    if (cover && cover->visible && cover->z > control->z) return false;
    if (kind == Kind::Select)
        return line < static_cast<int>(static_cast<const ListBox*>(control)->items.size());
    if (readOnly && *readOnly) return false;
    return true;
}

std::vector<PlayerInput> availableInputs(World& w) {
    std::vector<PlayerInput> out;
    for (PlayerInput& in : playerInputs(w))
        if (in.available()) out.push_back(std::move(in));
    return out;
}

std::vector<PlayerInput> playerInputs(World& w) {
    Builder b{w, nullptr, {}};
    b.window = &w.Menuform.window;
    {
        auto& m = w.Menuform;
        b.click("Menuform.BitBtn6", m.BitBtn6, newGameClick);
        b.click("Menuform.BitBtn4", m.BitBtn4, authorsClick);
        b.click("Menuform.BitBtn1", m.BitBtn1, helpClick);
        b.click("Menuform.BitBtn3", m.BitBtn3, exitClick, nullptr, nullptr, true);
    }
    b.window = &w.auth.window;
    b.close("auth", w.auth.window);
    b.window = &w.createf.window;
    {
        auto& f = w.createf;
        b.click("createf.Image4", f.Image4, takeClick);
        b.click("createf.Image3", f.Image3, createClick);
        b.click("createf.Image5", f.Image5, backClick);
    }
    b.window = &w.Gameform.window;
    {
        auto& g = w.Gameform;
        for (int i = 0; i < 5; ++i)
            b.click(
                "Gameform.c" + std::to_string(i + 1), g.c[static_cast<std::size_t>(i)],
                [i](World& world) { choiceClick(world, i + 1); }, &g.choose);
        b.click("Gameform.ready", g.ready, readyClick);
        const Handler answers[4] = {answer1, answer2, answer3, answer4};
        for (int i = 0; i < 4; ++i)
            b.click("Gameform.a" + std::to_string(i + 1), g.a[static_cast<std::size_t>(i)], answers[i]);
        b.click("Gameform.mapb", g.mapb, mapbClick);
        b.click("Gameform.BitBtn2", g.BitBtn2, characterClick);
        b.click("Gameform.BitBtn3", g.BitBtn3, veskClick);
        b.click("Gameform.BitBtn1", g.BitBtn1, inventoryClick);
        b.click("Gameform.pros", g.pros, prosClick);
        b.menu("Игра/Выход", exitClick, true);
        b.menu("Окно/Шрифт", fontMenuClick);
        b.menu("Помощь!!!/Помощь!!!", helpClick);
    }
    b.window = &w.mapform.window;
    {
        for (int i = 0; i < 16; ++i) {
            const std::string name(screens::kPlaceNames[static_cast<std::size_t>(i)]);
            if (i == screens::kMapBack)
                b.click("mapform." + name, w.mapform.place[static_cast<std::size_t>(i)], mapBackClick);
            else
                b.click("mapform." + name, w.mapform.place[static_cast<std::size_t>(i)],
                        [i](World& world) { enterLocation(world, i + 1); });
        }
    }
    b.window = &w.battle.window;
    {
        auto& f = w.battle;
        b.click("battle.epic", f.epic, battle::epicClick);
        b.lines("battle.choose", f.choose, battle::chooseClick);
        b.click("battle.ready", f.ready, battle::readyClick);
        b.click("battle.BitBtn3", f.BitBtn3, battle::BitBtn3Click);
        b.click("battle.endt", f.endt, battle::endtClick);
        b.click("battle.vict", f.vict, battle::victClick);
        b.click("battle.lose", f.lose, battle::loseClick, nullptr, nullptr, true);
        b.click("battle.BitBtn1", f.BitBtn1, battle::BitBtn1Click);
    }
    b.window = &w.help.window;
    b.close("help", w.help.window);
    b.window = &w.accform.window;
    {
        auto& a = w.accform;
        for (int i = 0; i < 5; ++i)
            b.click(
                "accform.b" + std::to_string(i + 1), a.b[static_cast<std::size_t>(i)],
                [i](World& world) { accform::bClick(world, static_cast<BodyPart>(i + 1)); }, &a.pric);
        b.click("accform.ready", a.ready, accform::readyClick, &a.pric);
    }
    b.window = &w.createform.window;
    {
        auto& f = w.createform;
        b.typing("createform.namec", f.namec);
        b.typing("createform.age", f.age);
        b.typing("createform.sex", f.sex);
        for (int i = 0; i < screens::kStatCount; ++i) {
            const auto s = static_cast<std::size_t>(i);
            b.click(
                "createform." + std::string(screens::kRaiseNames[s]), f.raise[s],
                [i](World& world) { raiseStat(world, i); }, nullptr, &f.bok2);
            b.click(
                "createform." + std::string(screens::kLowerNames[s]), f.lower[s],
                [i](World& world) { lowerStat(world, i); }, nullptr, &f.bok2);
        }
        for (int k = 0; k < screens::kSkillCount; ++k) {
            const auto s = static_cast<std::size_t>(k);
            b.click(
                "createform." + std::string(screens::kTagButtonNames[s]), f.tagButton[s],
                [k](World& world) { toggleTag(world, k + 1); }, nullptr, &f.bok1);
            b.click("createform.s" + std::to_string(k + 1), f.s[s],
                    [k](World& world) { skillCaptionClick(world, k + 1); });
        }
        for (int n = 0; n < screens::kTraitCount; ++n) {
            const auto s = static_cast<std::size_t>(n);
            b.click(
                "createform." + std::string(screens::kTraitButtonNames[s]), f.traitButton[s],
                [n](World& world) { traitButtonClick(world, n + 1); }, nullptr, &f.bonusp);
        }
        b.click("createform.Image2", f.Image2, acceptClick);
        b.click("createform.Image1", f.Image1, cancelClick);
        b.click("createform.kil", f.kil, kilClick);
        b.click("createform.kar", f.kar, karClick);
        b.click("createform.bon", f.bon, bonClick);
    }
    b.window = &w.InvForm.window;
    {
        auto& f = w.InvForm;
        b.lines("InvForm.citem", f.citem, inv::citemClick);
        for (int n = 1; n <= 6; ++n)
            b.click(
                "InvForm.a" + std::to_string(n), f.a[static_cast<std::size_t>(n - 1)],
                [n](World& world) { inv::actionClick(world, static_cast<InvAction>(n)); }, &f.choose);
        b.click("InvForm.ready", f.ready, inv::readyClick, &f.choose);
        b.click("InvForm.v1", f.v1, [](World& world) { inv::handClick(world, 1); });
        b.click("InvForm.v2", f.v2, [](World& world) { inv::handClick(world, 2); });
        b.click("InvForm.Image2", f.Image2, inv::Image2Click);
    }
    b.window = &w.Vesk.window;
    {
        auto& v = w.Vesk;
        b.click("Vesk.Image2", v.Image2, vesk::Image2Click);
        b.click("Vesk.Image3", v.Image3, vesk::Image3Click);
        b.click("Vesk.ar", v.ar, vesk::arClick);
    }
    b.window = &w.storylog.window;
    b.click("storylog.close", w.storylog.close, storyLogClose);
    return b.out;
}

std::string scriptLine(const PlayerInput& input, const std::string& typed) {
    switch (input.kind) {
    case PlayerInput::Kind::Click:
        return "click " + input.address;
    case PlayerInput::Kind::Select:
        return "select " + input.address + " " + std::to_string(input.line);
    case PlayerInput::Kind::Type:
        return "type " + input.address + " " + typed;
    case PlayerInput::Kind::Menu:
        return "menu " + input.address;
    case PlayerInput::Kind::Close:
        return "close " + input.address;
    }
    return {};
}

} // namespace cv
