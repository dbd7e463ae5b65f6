// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a player can do at a moment, read from what the screens declare of their controls.
#include "inputs.h"

#include "world.h"

namespace cv {

namespace {

// The longest a list of the game can be: the combat list's ten entries, the inventory's twenty-one lines.
constexpr int kMostLines = 21;

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
    std::vector<PlayerInput> out;
    for (Screen* screen : w.screens()) {
        const Window& window = screen->window;
        for (ControlEntry& e : screen->controls) {
            PlayerInput in{PlayerInput::Kind::Click, window.name + "." + e.name, -1, {}, e.quits};
            in.window = &window;
            in.control = e.control;
            in.panel = e.panel;
            in.cover = e.cover;
            if (e.kind == Kind::Command && e.click) {
                in.kind = PlayerInput::Kind::Menu;
                in.address = window.name + " " + e.name;
                in.run = [h = e.click](World& world, const std::string&) { h(world); };
                out.push_back(std::move(in));
            } else if (e.pick) {
                in.kind = PlayerInput::Kind::Select;
                in.pick = e.pick;
                for (int i = 0; i < kMostLines; ++i) {
                    in.line = i;
                    in.run = [h = e.pick, i](World& world, const std::string&) { h(world, i); };
                    out.push_back(in);
                }
            } else if (e.type) {
                in.kind = PlayerInput::Kind::Type;
                in.run = e.type;
                if (e.kind == Kind::Edit) in.readOnly = &static_cast<const Edit*>(e.control)->readOnly;
                out.push_back(std::move(in));
            } else if (e.click) {
                in.run = [h = e.click](World& world, const std::string&) { h(world); };
                out.push_back(std::move(in));
            }
        }
        // A window with a close box is closed by it.
        if (window.frame == Frame::TitleClose && window.close) {
            PlayerInput in{PlayerInput::Kind::Close, window.name, -1,
                           [h = window.close](World& world, const std::string&) { h(world); }};
            in.window = &window;
            out.push_back(std::move(in));
        }
    }
    return out;
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
