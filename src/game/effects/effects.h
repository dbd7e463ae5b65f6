// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The effects that the story's scene table and the villagers' conversations are written in, and the
// one interpreter that carries them out. Both the story and the dialogue tables are data over these;
// neither includes the other.
#pragma once

#include <string>
#include <vector>

#include "../character/sheet.h"
#include "../dialogue/theft.h"
#include "../inventory/store.h"
#include "../story/newgame.h"
#include "../story/questlog.h"
#include "../story/state.h"

namespace cv {

struct World;

namespace fx {

// Written into a text where the character's name goes: "Здравствуй, " + name + ". Как дела?".
inline const std::string name = "\x1F";

// A condition of a row or an effect.
struct Cond {
    enum class Kind { Always, Flag, Has, LuckAbove, TalkAbove, AllOf, AnyOf };
    Kind kind = Kind::Always;
    StoryFlag flag = StoryFlag::innerDoorShut;
    int value = 0; // the flag's value, or the figure to exceed
    ItemId item = ItemId::itNone;
    std::vector<Cond> parts;
};

Cond isSet(StoryFlag f);   // the flag is 1
Cond notSet(StoryFlag f);  // the flag is 0
Cond has(ItemId item);     // one slot holds at least one
Cond luckAbove(int n);     // `luck` > n
Cond talkAbove(int n);     // the sheet's "Разговор" plus `femaleReaction` > n
Cond allOf(std::vector<Cond> parts);
Cond anyOf(std::vector<Cond> parts);

enum class Op {
    StoryText,       // a: label 1 or 2
    RaiseSecondText, // m2 to top 80
    Caption,         // a: choice
    ShowChoice,      // a: choice
    HideChoice,      // a: choice
    ShowChoices,     // leave dialogue mode: choice panel, confirm and map buttons back
    ShowConfirm,     // the confirm button alone
    EnterDialogue,
    Say,             // texts: the partner's line and the five answers
    PartnerLine,
    Answer,          // a: answer
    ShowAnswer,      // a: answer
    HideAnswer,      // a: answer
    ShowMapButton,
    HideMapButton,
    Step,            // a: the step
    Location,        // a: the location
    SetFlag,         // flag, a: value
    AddItem,         // item, a: count
    RemoveItem,      // item, a: count
    Compact,
    SkillGain,       // skill, a: amount
    Quest,           // line, text (empty: done)
    GoToMap,
    OpenMap,
    ResetGameScreen,
    Background,      // text: the picture file
    StartFight,      // a: the fight
    TrapDamage,
    ElderCoins,      // 100 coins on the first stack of coins, or a new stack
    AuntMeat,        // one meat into the first empty slot; `yes` runs when there was one
    When,            // cond: `yes`, else `no`
    Check,           // check: `yes` on success, else `no`
    Theft,           // a: the threshold kind (Thief), `yes` on success, `no` when caught
    OtherStepRules,  // the location's rules for "any other step", for the selected choice
};


struct Effect {
    Op op = Op::Step;
    int a = 0;
    std::string text;
    std::vector<std::string> texts;
    StoryFlag flag = StoryFlag::innerDoorShut;
    ItemId item = ItemId::itNone;
    Skill skill = Skill::light;
    QuestLine line = QuestLine::z1;
    Check check = Check::PickLock;
    Cond cond;
    std::vector<Effect> yes, no;
};
using Effects = std::vector<Effect>;

// Builders, named as the tables read.
Effect storyText(int label, std::string text); // m1 / m2 := text
Effect raiseSecondText();
Effect caption(int choice, std::string text);
Effect showChoice(int choice);
Effect hideChoice(int choice);
Effect showChoices();
Effect showConfirm();
Effect enterDialogue();
// setDialogue: the partner's line and the answers; those not given are emptied.
Effect say(std::string line, std::string a1 = {}, std::string a2 = {}, std::string a3 = {}, std::string a4 = {});
Effect sayNothing();
Effect partnerLine(std::string text);
Effect answer(int n, std::string text);
Effect showAnswer(int n);
Effect hideAnswer(int n);
Effect showMapButton();
Effect hideMapButton();
Effect step(int n);
Effect location(int loc);
Effect set(StoryFlag f);
Effect clear(StoryFlag f);
Effect add(ItemId item, int count = 1);
Effect remove(ItemId item, int count = 1);
Effect compact();
Effect gain(Skill skill, int amount);
Effect quest(QuestLine line, std::string text);
Effect questDone(QuestLine line);
Effect goToMap();
Effect openMap();
Effect resetGameScreen();
Effect background(std::string file);
Effect startFight(int fight);
Effect trapDamage();
Effect elderCoins();
Effect auntMeat(Effects whenGiven);
Effect when(Cond cond, Effects yes, Effects no = {});
Effect check(Check which, Effects success, Effects failure);
Effect theft(Thief from, Effects success, Effects caught);
Effect otherStepRules();

// Carries out the effects in order. `otherSteps` runs the location's rules for any other step.
struct Context {
    void (*otherSteps)(World&) = nullptr;
};
void run(World& w, const Effects& effects, const Context& context = {});
bool holds(const World& w, const Cond& cond);

// The text with the character's name in place of `name`.
std::string withName(const World& w, const std::string& text);

} // namespace fx
} // namespace cv
