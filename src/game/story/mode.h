// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogue mode on the game screen: the partner's line, the answers, and the way back to the map.
#pragma once

#include <string>

namespace cv {

struct World;

void setDialogue(World& w, const std::string& rep, const std::string& a1 = {}, const std::string& a2 = {},
                 const std::string& a3 = {}, const std::string& a4 = {}, const std::string& a5 = {});
// Hides the choice panel and the confirm button, empties the partner's line, shows the five answers.
void enterDialogue(World& w);
// Shows the choice panel, the confirm button and the map button, and empties the first three answers.
void leaveDialogue(World& w);
// Hides the game screen, shows the map and reloads the village background.
void goToMap(World& w);
// Shows the map and hides the game screen, keeping the background.
void openMap(World& w);

} // namespace cv
