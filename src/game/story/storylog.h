// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The story log: everything said in this game so far — the story texts, the partners' lines, the
// answers the player clicked and the fights' outcomes — behind the game screen's "Просмотреть весь
// разговор". A new game starts a new log with the texts its screen opens with.
#pragma once

#include <string>

namespace cv {

struct World;

enum class LogEntry { Story, Partner, Answer, Fight };

void logLine(World& w, LogEntry kind, const std::string& text);
// Empties the log and begins it with the game screen's two story texts as they are shown now.
void startStoryLog(World& w);

void prosClick(World& w);     // opens the log over the game screen
void storyLogClose(World& w); // "Закрыть", or Escape

} // namespace cv
