// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The wrist computer: the quest log with one line for each of the village's five quests.
#pragma once

#include <string>

#include "../vocab/quests.h"

namespace cv {

struct World;

// Shows the log with its heading hidden (the game screen's "Веск.").
void openQuestLog(World& w);

// Handlers of the wrist computer's window.
namespace vesk {
void Image3Click(World& w); // shows the heading
void arClick(World& w);     // shows the quest lines
void Image2Click(World& w); // hides the lines, gives the game screen back and closes the log
} // namespace vesk

// Writes a quest line; an empty text is a quest not taken or already done.
void setQuestLine(World& w, QuestLine line, const std::string& text);
const std::string& questLine(const World& w, QuestLine line);

} // namespace cv
