// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen: its handlers, its reset before a location's entry scene, and the operations through
// which the other subsystems change what it shows. Nothing else writes the game screen's model.
#pragma once

#include <string>

#include "../vocab/controls.h"

namespace cv {

struct World;

// Handlers of the screen.
void gameFormCreate(World& w);          // loads the background when the screen is created
void choiceClick(World& w, int choice); // c1 .. c5, choice 1..5
void readyClick(World& w);              // "Выбрано"
void mapbClick(World& w);               // "Карта"
void characterClick(World& w);          // "Хар."
void veskClick(World& w);               // "Веск."
void inventoryClick(World& w);          // "Инв."
void fontMenuClick(World& w);           // "Окно" -> "Шрифт"
// A click on answer line 1..4: the first conversation entry for the current location and step runs, if any.
void answerClick(World& w, int answer);
void answer1(World& w);
void answer2(World& w);
void answer3(World& w);
void answer4(World& w);

// Clears the selection, shows the screen with every answer and choice, leaves dialogue mode, disables the
// confirm button and hides the map.
void resetGameScreen(World& w);

// A new game's screen: the opening texts, no choices, no conversation, the map button the only way on.
void showOpening(World& w);

// The end of a game lost by stealing: the screen frozen with the verdict alone, the main menu over it.
void expel(World& w);

// The background picture `fon`: "talk.jpg" in the village, "fon1.jpg" in the temple grove.
void loadBackground(World& w, const std::string& path);

// The two story labels.
void setStoryText(World& w, int label, const std::string& text); // label 1 is m1, 2 is m2
const std::string& storyText(const World& w, int label);
// What a screen reader reads while that story label shows no text; a new text clears it.
void setStoryReading(World& w, int label, const std::string& text);
// Moves the second story label up to top 80, where it stays.
void raiseSecondStoryText(World& w);
// The font chosen in the font dialog: the story labels and the partner's line.
void setStoryFont(World& w, const Font& font);

// The choices c1 .. c5 (choice 1..5) and their panel with the confirm button.
void setChoiceCaption(World& w, int choice, const std::string& caption);
void setChoiceVisible(World& w, int choice, bool visible);
// The selected choice, 1..5, or 0 when none is selected.
int selectedChoice(const World& w);

// Held by a handler that may hide choices: when the handler ends, also by a picture fault, a choice that
// is hidden then is no longer selected, or "Выбрано" would confirm what the player cannot see. Checked
// once, at the end, so that a choice hidden and shown again within one handler stays selected.
class SettleChoices {
  public:
    explicit SettleChoices(World& w) : w_(w) {}
    ~SettleChoices();
    SettleChoices(const SettleChoices&) = delete;
    SettleChoices& operator=(const SettleChoices&) = delete;

  private:
    World& w_;
};
void setChoicePanelVisible(World& w, bool visible); // `choose` and `ready` together
void setConfirmVisible(World& w, bool visible);

// The conversation: the partner's line `rep` and the answers a1 .. a5 (answer 1..5).
void setPartnerLine(World& w, const std::string& text);
void setAnswerText(World& w, int answer, const std::string& text);
const std::string& answerText(const World& w, int answer);
void setAnswerVisible(World& w, int answer, bool visible);
bool answerVisible(const World& w, int answer);

void setMapButtonVisible(World& w, bool visible);

} // namespace cv
