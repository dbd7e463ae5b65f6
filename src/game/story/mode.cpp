// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogue mode on the game screen: the partner's line, the answers, and the way back to the map.
#include "mode.h"

#include "../assets/assets.h"
#include "../shell/shell.h"
#include "gamescreen.h"
#include "map.h"

namespace cv {

void setDialogue(World& w, const std::string& rep, const std::string& a1, const std::string& a2,
                 const std::string& a3, const std::string& a4, const std::string& a5) {
    setPartnerLine(w, rep);
    setAnswerText(w, 1, a1);
    setAnswerText(w, 2, a2);
    setAnswerText(w, 3, a3);
    setAnswerText(w, 4, a4);
    setAnswerText(w, 5, a5);
}

void enterDialogue(World& w) {
    setChoicePanelVisible(w, false);
    setPartnerLine(w, {});
    for (int a = 1; a <= 5; ++a)
        setAnswerVisible(w, a, true);
}

void leaveDialogue(World& w) {
    setChoicePanelVisible(w, true);
    for (int a = 1; a <= 3; ++a)
        setAnswerText(w, a, {});
    setMapButtonVisible(w, true);
}

void goToMap(World& w) {
    hideGameScreen(w);
    showMap(w);
    loadBackground(w, assets::talk);
}

void openMap(World& w) {
    showMap(w);
    hideGameScreen(w);
}

} // namespace cv
