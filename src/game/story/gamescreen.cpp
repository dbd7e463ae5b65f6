// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen: its handlers, its reset before a location's entry scene, and the operations through
// which the other subsystems change what it shows.
#include "gamescreen.h"

#include "../assets/assets.h"
#include "../dialogue/conversations.h"
#include "../effects/host.h"
#include "../inventory/screen.h"
#include "../shell/shell.h"
#include "../world.h"
#include "map.h"
#include "mode.h"
#include "questlog.h"
#include "scene.h"
#include "storylog.h"

namespace cv {

namespace {

RadioButton& choiceButton(World& w, int choice) {
    return w.Gameform.c.at(static_cast<std::size_t>(choice - 1));
}

Label& answerLabel(World& w, int answer) {
    return w.Gameform.a.at(static_cast<std::size_t>(answer - 1));
}

const Label& answerLabel(const World& w, int answer) {
    return w.Gameform.a.at(static_cast<std::size_t>(answer - 1));
}

} // namespace

void gameFormCreate(World& w) {
    loadBackground(w, assets::talk);
}

void resetGameScreen(World& w) {
    auto& g = w.Gameform;
    for (auto& c : g.c)
        c.checked = false;
    showGameScreen(w);
    for (auto& a : g.a)
        a.visible = true;
    for (auto& c : g.c)
        c.visible = true;
    leaveDialogue(w);
    g.ready.enabled = false;
    hideMap(w);
}

void showOpening(World& w) {
    auto& g = w.Gameform;
    for (auto& c : g.c)
        c.checked = false;
    setChoicePanelVisible(w, false);
    setPartnerLine(w, {});
    for (int a = 1; a <= 5; ++a)
        setAnswerText(w, a, {});
    setMapButtonVisible(w, true);
    setStoryText(w, 1, screens::kOpeningText1);
    setStoryText(w, 2, screens::kOpeningText2);
}

void choiceClick(World& w, int choice) {
    auto& g = w.Gameform;
    // One group: the clicked choice becomes the selected one.
    for (int i = 1; i <= 5; ++i)
        choiceButton(w, i).checked = (i == choice);
    g.ready.enabled = true;
}

void readyClick(World& w) {
    const SettleChoices settle(w);
    confirmChoice(w);
}

void mapbClick(World& w) {
    showMap(w);
    hideGameScreen(w);
    loadBackground(w, assets::talk);
    w.Gameform.pros.visible = true;
}

void characterClick(World& w) {
    disableGameScreen(w);
    disableCombatScreen(w);
    w.game().openSheetFromGameScreen(w);
}

void veskClick(World& w) {
    disableGameScreen(w);
    openQuestLog(w);
}

void inventoryClick(World& w) {
    // Nothing in the inventory's opening can fail, so the game screen may be disabled after it.
    openInventoryFromGameScreen(w);
    disableGameScreen(w);
}

void fontMenuClick(World& w) {
    hideGameScreen(w);
    const std::optional<Font> chosen = askFont(w);
    showGameScreen(w);
    if (chosen) setStoryFont(w, *chosen);
}

void answerClick(World& w, int answer) {
    // A hidden answer line takes no click; an empty one that shows still does.
    if (!answerVisible(w, answer)) return;
    const SettleChoices settle(w);
    if (const TalkEntry* entry = talkEntry(w.story.curLocation, w.story.curStep, answer)) {
        logLine(w, LogEntry::Answer, answerText(w, answer));
        fx::run(w, entry->effects);
    }
}

void answer1(World& w) {
    answerClick(w, 1);
}
void answer2(World& w) {
    answerClick(w, 2);
}
void answer3(World& w) {
    answerClick(w, 3);
}
void answer4(World& w) {
    answerClick(w, 4);
}

void expel(World& w) {
    // The elder has had enough: the game screen freezes with the verdict standing alone, and the main menu
    // comes up over it, where the player can reach it.
    disableGameScreen(w);
    setDialogue(w, {}, {}, {}, {}, {}, {});
    setStoryText(
        w, 1,
        "Старейшина Тарнвель наконец осознала, что вы слишком нечестны для миссии. С позором вы были "
        "отстранены...");
    setStoryText(w, 2, {});
    showMainMenuOver(w, w.Gameform.window);
}

void loadBackground(World& w, const std::string& path) {
    loadPicture(w, w.Gameform.fon, path);
}

void setStoryText(World& w, int label, const std::string& text) {
    Label& l = label == 1 ? w.Gameform.m1 : w.Gameform.m2;
    l.text = text;
    l.reading.clear();
    logLine(w, LogEntry::Story, text);
}

void setStoryReading(World& w, int label, const std::string& text) {
    (label == 1 ? w.Gameform.m1 : w.Gameform.m2).reading = text;
}

const std::string& storyText(const World& w, int label) {
    return (label == 1 ? w.Gameform.m1 : w.Gameform.m2).text;
}

void raiseSecondStoryText(World& w) {
    w.Gameform.m2.top = 80;
}

void setStoryFont(World& w, const Font& font) {
    w.Gameform.m1.font = font;
    w.Gameform.m2.font = font;
    w.Gameform.rep.font = font;
}

void setChoiceCaption(World& w, int choice, const std::string& caption) {
    choiceButton(w, choice).caption = caption;
}

void setChoiceVisible(World& w, int choice, bool visible) {
    choiceButton(w, choice).visible = visible;
}

int selectedChoice(const World& w) {
    for (int i = 0; i < 5; ++i)
        if (w.Gameform.c[static_cast<std::size_t>(i)].checked) return i + 1;
    return 0;
}

SettleChoices::~SettleChoices() {
    for (RadioButton& c : w_.Gameform.c)
        if (!c.visible && c.checked) {
            c.checked = false;
            w_.Gameform.ready.enabled = false;
        }
}

void setChoicePanelVisible(World& w, bool visible) {
    w.Gameform.choose.visible = visible;
    w.Gameform.ready.visible = visible;
}

void setConfirmVisible(World& w, bool visible) {
    w.Gameform.ready.visible = visible;
}

void setPartnerLine(World& w, const std::string& text) {
    w.Gameform.rep.text = text;
    logLine(w, LogEntry::Partner, text);
}

void setAnswerText(World& w, int answer, const std::string& text) {
    answerLabel(w, answer).text = text;
}

const std::string& answerText(const World& w, int answer) {
    return answerLabel(w, answer).text;
}

void setAnswerVisible(World& w, int answer, bool visible) {
    answerLabel(w, answer).visible = visible;
}

bool answerVisible(const World& w, int answer) {
    return answerLabel(w, answer).visible;
}

void setMapButtonVisible(World& w, bool visible) {
    w.Gameform.mapb.visible = visible;
}

} // namespace cv
