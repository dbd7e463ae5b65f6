// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every screen's model is: its window, and each of its controls declared once, in the order the
// screen lays them out (where two meet, the later lies in front).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "../vocab/controls.h"

namespace cv {

struct Screen {
    Window window;
    std::vector<ControlEntry> controls;

    Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // The declaration of a control of this screen; throws std::logic_error for a control it lacks.
    ControlEntry& entry(const Control& c);
    const ControlEntry& entry(const Control& c) const;
    // The control of that name, or nullptr.
    const ControlEntry* find(std::string_view name) const;

  protected:
    // Declares a control, by its model's type; `panel` is the panel it lies in.
    ControlEntry& add(Label& c, std::string name, const Control* panel = nullptr);
    ControlEntry& add(NumberLabel& c, std::string name, const Control* panel = nullptr);
    ControlEntry& add(Picture& c, std::string name, const Control* panel = nullptr);
    ControlEntry& add(Button& c, std::string name, const Control* panel = nullptr);
    ControlEntry& add(RadioButton& c, std::string name, const Control* panel = nullptr);
    ControlEntry& add(Panel& c, std::string name, const Control* panel = nullptr);
    ControlEntry& add(Edit& c, std::string name, const Control* panel = nullptr);
    ControlEntry& add(ComboBox& c, std::string name, const Control* panel = nullptr);
    ControlEntry& add(ListBox& c, std::string name, const Control* panel = nullptr);
    ControlEntry& add(LogText& c, std::string name, const Control* panel = nullptr);
    // A command of the window's menu bar, named by its menu and its own caption: "Игра/Выход".
    ControlEntry& addCommand(Control& c, std::string path);

  private:
    ControlEntry& put(Kind kind, Control& c, std::string name, const Control* panel);
};

} // namespace cv
