// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The effects that the story's scene table and the villagers' conversations are written in, and the one
// interpreter that carries them out over the World. What an effect does beyond the World's plain state it
// asks of the game through the Host (host.h), which the layer above implements: the effects know no
// subsystem, and the story and the dialogue tables, written in them, know nothing of each other.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "../vocab/checks.h"
#include "../vocab/flags.h"
#include "../vocab/items.h"
#include "../vocab/places.h"
#include "../vocab/quests.h"
#include "../vocab/skills.h"

namespace cv {

struct World;

namespace fx {

// Written into a text where the character's name goes: "Здравствуй, " + name + ". Как дела?".
inline const std::string name = "\x1F";

// A condition of a row or an effect.
struct Cond {
    enum class Kind { Always, Flag, Has, FreeSlot, LuckAbove, TalkAbove, AllOf, AnyOf };
    Kind kind = Kind::Always;
    StoryFlag flag = StoryFlag::innerDoorShut;
    int value = 0; // the flag's value, or the figure to exceed
    ItemId item = ItemId::itNone;
    std::vector<Cond> parts;
};

Cond isSet(StoryFlag f);  // the flag is 1
Cond notSet(StoryFlag f); // the flag is 0
Cond has(ItemId item);    // one slot holds at least one
Cond freeSlot();          // some slot of the store is empty
Cond luckAbove(int n);    // `luck` > n
Cond talkAbove(int n);    // the sheet's "Разговор" plus `femaleReaction` > n
Cond allOf(std::vector<Cond> parts);
Cond anyOf(std::vector<Cond> parts);

// The parts of the game screen that effects write to or show and hide.
// m1 / m2, c1 .. c5, a1 .. a5, the partner's line; what a screen reader reads of an empty m1 / m2
enum class Where { Story, Choice, Answer, Partner, Reading };
enum class What { Choice, Answer, MapButton, Confirm, SecondTextHigh }; // the last: m2 at top 80
// Where an added item goes: a stack of its own as the store adds one; onto the first stack of its kind
// (or a stack of its own where there is none); into the first empty slot.
enum class Placement { NewStack, OnFirstStack, FirstEmptySlot };
// The named ways the game screen goes: to the map (the village background again), to the map as it
// is, back to a location's fresh screen, back to the choices (leaving dialogue mode), into dialogue mode.
enum class Place { Map, MapAsIs, FreshScreen, Choices, Dialogue };

struct Effect;
using Effects = std::vector<Effect>;

struct Text { // a text of the game screen: m1 / m2 (n 1, 2), a choice's caption, an answer, the line
    Where where;
    int n = 0;
    std::string text;
};
struct Show {
    What what;
    int n = 0;
};
struct Hide {
    What what;
    int n = 0;
};
struct Say { // the partner's line and the five answers at once
    std::array<std::string, 6> texts;
};
struct Step { // the step within the location, or the location the player is at now
    std::optional<int> step, location;
};
struct Set {
    StoryFlag flag;
    bool on;
};
struct Add {
    ItemId item;
    int count;
    Placement placement;
};
struct Remove {
    ItemId item;
    int count;
};
struct Compact {};
struct Gain { // training: a skill's figure on the sheet grows
    Skill skill;
    int amount;
};
struct Quest { // a quest line written, or emptied when the quest is done
    QuestLine line;
    std::string text;
};
struct Hurt { // hit points lost, with no lower bound
    int hitPoints;
};
struct Background {
    std::string file;
};
struct Fight {
    int fight;
};
struct Go {
    Place place;
};
struct When {
    Cond cond;
    Effects yes, no;
};
struct Roll { // a roll against a named check's threshold
    Check check;
    Effects success, failure;
};
struct CountCatch {}; // the player was caught stealing
struct OtherRules {}; // the location's rules for any other step, for the selected choice

struct Effect {
    std::variant<Text, Show, Hide, Say, Step, Set, Add, Remove, Compact, Gain, Quest, Hurt, Background, Fight,
                 Go, When, Roll, CountCatch, OtherRules>
        what;
    template <class E> Effect(E e) : what(std::move(e)) {}
};

// Builders, named as the tables read.
Effect storyText(int label, std::string text); // m1 / m2 := text
Effect raiseSecondText();                      // m2 moves up to top 80, where it stays
// The story stops: its text stays empty, and a screen reader reads that the demo has ended.
Effect endOfStory();
Effect caption(int choice, std::string text);
Effect showChoice(int choice);
Effect hideChoice(int choice);
Effect showChoices(); // leave dialogue mode: the choice panel, the confirm and map buttons back
Effect showConfirm();
Effect enterDialogue();
// setDialogue: the partner's line and the answers; those not given are emptied.
Effect say(std::string line, std::string a1 = {}, std::string a2 = {}, std::string a3 = {},
           std::string a4 = {});
Effect sayNothing();
Effect partnerLine(std::string text);
Effect answer(int n, std::string text);
Effect showAnswer(int n);
Effect hideAnswer(int n);
Effect showMapButton();
Effect hideMapButton();
Effect step(int n);
Effect location(int loc); // the player is at another location now
Effect set(StoryFlag f);
Effect clear(StoryFlag f);
Effect add(ItemId item, int count = 1, Placement placement = Placement::NewStack);
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
Effect hurt(int hitPoints);
Effect when(Cond cond, Effects yes, Effects no = {});
Effect check(Check which, Effects success, Effects failure);
// A theft: the roll against the partner; when caught, the caught effects and then the catch counted.
Effect theft(Thief from, Effects success, Effects caught);
Effect otherStepRules();

// The effect as its kind, or nullptr when it is of another.
template <class E> const E* as(const Effect& e) {
    return std::get_if<E>(&e.what);
}
// The effects a condition or a roll chooses between; none for any other effect.
std::vector<const Effects*> branchesOf(const Effect& e);
// Calls `visit` for every effect of the list and of its branches, in order, depth first.
void forEach(const Effects& effects, const std::function<void(const Effect&)>& visit);

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
