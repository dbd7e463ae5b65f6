// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The story log: everything said in this game so far, behind the game screen's "Просмотреть весь
// разговор".
#include "storylog.h"

#include "../world.h"
#include "gamescreen.h"

namespace cv {

void logLine(World& w, LogEntry kind, const std::string& text) {
    if (text.empty()) return;
    std::string line;
    switch (kind) {
    case LogEntry::Story:
        line = text;
        break;
    case LogEntry::Partner:
        line = "— " + text;
        break;
    case LogEntry::Answer:
        line = "Вы: " + text;
        break;
    case LogEntry::Fight:
        line = "[Драка] " + text;
        break;
    }
    // The same text twice running (a story text shown again) is written once.
    if (!w.storyLogLines.empty() && w.storyLogLines.back() == line) return;
    w.storyLogLines.push_back(std::move(line));
}

void clearStoryLog(World& w) {
    w.storyLogLines.clear();
}

void prosClick(World& w) {
    std::string all;
    for (const std::string& line : w.storyLogLines) {
        if (!all.empty()) all += "\n\n";
        all += line;
    }
    w.storylog.text.text = all.empty() ? "В этой игре ещё ничего не было сказано." : all;
    disableGameScreen(w);
    showOver(w.storylog.window, w.Gameform.window);
}

void storyLogClose(World& w) {
    hide(w.storylog.window);
    enableGameScreen(w);
}

} // namespace cv
