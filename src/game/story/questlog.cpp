// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The wrist computer: the quest log with one line for each of the village's five quests.
#include "questlog.h"

#include "../shell/shell.h"
#include "../world.h"
#include "gamescreen.h"

namespace cv {

namespace {
Label& lineLabel(World& w, QuestLine line) {
    return w.Vesk.z.at(static_cast<std::size_t>(line) - 1);
}
const Label& lineLabel(const World& w, QuestLine line) {
    return w.Vesk.z.at(static_cast<std::size_t>(line) - 1);
}
} // namespace

void openQuestLog(World& w) {
    showOver(w.Vesk.window, w.Gameform.window);
    w.Vesk.ar.visible = false;
}

namespace vesk {

void Image3Click(World& w) {
    w.Vesk.ar.visible = true;
}

void arClick(World& w) {
    for (auto& z : w.Vesk.z)
        z.visible = true;
}

void Image2Click(World& w) {
    // Only the lines are hidden here; the heading is hidden again when the log is next opened.
    for (auto& z : w.Vesk.z)
        z.visible = false;
    enableGameScreen(w);
    hide(w.Vesk.window);
}

} // namespace vesk

void setQuestLine(World& w, QuestLine line, const std::string& text) {
    lineLabel(w, line).text = text;
}

const std::string& questLine(const World& w, QuestLine line) {
    return lineLabel(w, line).text;
}

} // namespace cv
