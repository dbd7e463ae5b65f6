// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The story log: everything said in this game so far — the story texts, the partners' lines, the
// answers the player clicked and the fights' messages — behind the game screen's "Просмотреть весь
// разговор". A new game starts a new log.
#pragma once

#include <string>

namespace cv {

struct World;

enum class LogEntry { Story, Partner, Answer, Fight };

void logLine(World& w, LogEntry kind, const std::string& text);
void clearStoryLog(World& w);

void prosClick(World& w);     // opens the log over the game screen
void storyLogClose(World& w); // "Закрыть", or Escape

} // namespace cv
