// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every screen's model is: its window, and each of its controls declared once.
#include "screen.h"

#include <stdexcept>

namespace cv {

ControlEntry& Screen::entry(const Control& c) {
    for (ControlEntry& e : controls)
        if (e.control == &c) return e;
    throw std::logic_error("the screen " + window.name + " has no such control");
}

const ControlEntry& Screen::entry(const Control& c) const {
    return const_cast<Screen*>(this)->entry(c);
}

const ControlEntry* Screen::find(std::string_view name) const {
    for (const ControlEntry& e : controls)
        if (e.name == name) return &e;
    return nullptr;
}

ControlEntry& Screen::put(Kind kind, Control& c, std::string name, const Control* panel) {
    ControlEntry& e = controls.emplace_back();
    e.name = std::move(name);
    e.kind = kind;
    e.control = &c;
    e.panel = panel;
    return e;
}

ControlEntry& Screen::add(Label& c, std::string name, const Control* panel) {
    return put(Kind::Label, c, std::move(name), panel);
}
ControlEntry& Screen::add(NumberLabel& c, std::string name, const Control* panel) {
    return put(Kind::Number, c, std::move(name), panel);
}
ControlEntry& Screen::add(Picture& c, std::string name, const Control* panel) {
    return put(Kind::Picture, c, std::move(name), panel);
}
ControlEntry& Screen::add(Button& c, std::string name, const Control* panel) {
    return put(Kind::Button, c, std::move(name), panel);
}
ControlEntry& Screen::add(RadioButton& c, std::string name, const Control* panel) {
    return put(Kind::Radio, c, std::move(name), panel);
}
ControlEntry& Screen::add(Panel& c, std::string name, const Control* panel) {
    return put(Kind::Panel, c, std::move(name), panel);
}
ControlEntry& Screen::add(Edit& c, std::string name, const Control* panel) {
    return put(Kind::Edit, c, std::move(name), panel);
}
ControlEntry& Screen::add(ComboBox& c, std::string name, const Control* panel) {
    return put(Kind::Combo, c, std::move(name), panel);
}
ControlEntry& Screen::add(ListBox& c, std::string name, const Control* panel) {
    return put(Kind::List, c, std::move(name), panel);
}
ControlEntry& Screen::add(LogText& c, std::string name, const Control* panel) {
    return put(Kind::Log, c, std::move(name), panel);
}
ControlEntry& Screen::addCommand(Control& c, std::string path) {
    return put(Kind::Command, c, std::move(path), nullptr);
}

} // namespace cv
