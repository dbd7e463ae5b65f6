// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The story log: everything said in this game so far, behind the game screen's "Просмотреть весь
// разговор".
#include "storylog.h"

#include "../shell/shell.h"
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
    auto& lines = w.storylog.text.lines;
    if (!lines.empty() && lines.back() == line) return;
    lines.push_back(std::move(line));
}

void startStoryLog(World& w) {
    w.storylog.text.lines.clear();
    ++w.storylog.text.cleared;
    logLine(w, LogEntry::Story, storyText(w, 1));
    logLine(w, LogEntry::Story, storyText(w, 2));
}

void prosClick(World& w) {
    // The log's window adds what was said since it was last shown; nothing is gathered here.
    disableGameScreen(w);
    showOver(w.storylog.window, w.Gameform.window);
}

void storyLogClose(World& w) {
    hide(w.storylog.window);
    enableGameScreen(w);
}

} // namespace cv
