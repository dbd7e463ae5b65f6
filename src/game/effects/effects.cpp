// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The effects that the story's scene table and the villagers' conversations are written in, and the one
// interpreter that carries them out.
#include "effects.h"

#include "../world.h"
#include "host.h"

namespace cv::fx {

namespace {

Cond condition(Cond::Kind kind, int value = 0) {
    Cond c;
    c.kind = kind;
    c.value = value;
    return c;
}

// Overloaded lambdas for std::visit.
template <class... F> struct Each : F... { using F::operator()...; };
template <class... F> Each(F...) -> Each<F...>;

} // namespace

Cond isSet(StoryFlag f) {
    Cond c = condition(Cond::Kind::Flag, 1);
    c.flag = f;
    return c;
}
Cond notSet(StoryFlag f) {
    Cond c = isSet(f);
    c.value = 0;
    return c;
}
Cond has(ItemId item) {
    Cond c = condition(Cond::Kind::Has);
    c.item = item;
    return c;
}
Cond freeSlot() {
    return condition(Cond::Kind::FreeSlot);
}
Cond luckAbove(int n) {
    return condition(Cond::Kind::LuckAbove, n);
}
Cond talkAbove(int n) {
    return condition(Cond::Kind::TalkAbove, n);
}
Cond allOf(std::vector<Cond> parts) {
    Cond c = condition(Cond::Kind::AllOf);
    c.parts = std::move(parts);
    return c;
}
Cond anyOf(std::vector<Cond> parts) {
    Cond c = condition(Cond::Kind::AnyOf);
    c.parts = std::move(parts);
    return c;
}

Effect storyText(int label, std::string text) {
    return Text{Where::Story, label, std::move(text)};
}
Effect endOfStory() {
    return Text{Where::Reading, 1, "Конец демоверсии: здесь, у моста, история останавливается."};
}

Effect raiseSecondText() {
    return Show{What::SecondTextHigh};
}
Effect caption(int choice, std::string text) {
    return Text{Where::Choice, choice, std::move(text)};
}
Effect showChoice(int choice) {
    return Show{What::Choice, choice};
}
Effect hideChoice(int choice) {
    return Hide{What::Choice, choice};
}
Effect showChoices() {
    return Go{Place::Choices};
}
Effect showConfirm() {
    return Show{What::Confirm};
}
Effect enterDialogue() {
    return Go{Place::Dialogue};
}
Effect say(std::string line, std::string a1, std::string a2, std::string a3, std::string a4) {
    return Say{{std::move(line), std::move(a1), std::move(a2), std::move(a3), std::move(a4), {}}};
}
Effect sayNothing() {
    return say({});
}
Effect partnerLine(std::string text) {
    return Text{Where::Partner, 0, std::move(text)};
}
Effect answer(int n, std::string text) {
    return Text{Where::Answer, n, std::move(text)};
}
Effect showAnswer(int n) {
    return Show{What::Answer, n};
}
Effect hideAnswer(int n) {
    return Hide{What::Answer, n};
}
Effect showMapButton() {
    return Show{What::MapButton};
}
Effect hideMapButton() {
    return Hide{What::MapButton};
}
Effect step(int n) {
    return Step{n, {}};
}
Effect location(int loc) {
    return Step{{}, loc};
}
Effect set(StoryFlag f) {
    return Set{f, true};
}
Effect clear(StoryFlag f) {
    return Set{f, false};
}
Effect add(ItemId item, int count, Placement placement) {
    return Add{item, count, placement};
}
Effect remove(ItemId item, int count) {
    return Remove{item, count};
}
Effect compact() {
    return Compact{};
}
Effect gain(Skill skill, int amount) {
    return Gain{skill, amount};
}
Effect quest(QuestLine line, std::string text) {
    return Quest{line, std::move(text)};
}
Effect questDone(QuestLine line) {
    return quest(line, {});
}
Effect goToMap() {
    return Go{Place::Map};
}
Effect openMap() {
    return Go{Place::MapAsIs};
}
Effect resetGameScreen() {
    return Go{Place::FreshScreen};
}
Effect background(std::string file) {
    return Background{std::move(file)};
}
Effect startFight(int fight) {
    return Fight{fight};
}
Effect hurt(int hitPoints) {
    return Hurt{hitPoints};
}
Effect when(Cond cond, Effects yes, Effects no) {
    return When{std::move(cond), std::move(yes), std::move(no)};
}
Effect check(Check which, Effects success, Effects failure) {
    return Roll{which, std::move(success), std::move(failure)};
}
Effect theft(Thief from, Effects success, Effects caught) {
    caught.push_back(CountCatch{});
    return Roll{from == Thief::Guard ? Check::StealFromGuard : Check::StealFromAunt, std::move(success),
                std::move(caught)};
}
Effect otherStepRules() {
    return OtherRules{};
}

std::vector<const Effects*> branchesOf(const Effect& e) {
    if (const auto* when = as<When>(e)) return {&when->yes, &when->no};
    if (const auto* roll = as<Roll>(e)) return {&roll->success, &roll->failure};
    return {};
}

void forEach(const Effects& effects, const std::function<void(const Effect&)>& visit) {
    for (const Effect& e : effects) {
        visit(e);
        for (const Effects* branch : branchesOf(e))
            forEach(*branch, visit);
    }
}

std::string withName(const World& w, const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == name[0])
            out += w.character.playerName;
        else
            out += c;
    }
    return out;
}

bool holds(const World& w, const Cond& c) {
    using K = Cond::Kind;
    switch (c.kind) {
    case K::Always:
        return true;
    case K::Flag:
        return w.story.storyFlags[c.flag] == c.value;
    case K::Has:
        return w.inventory.holds(c.item);
    case K::FreeSlot:
        return w.inventory.firstEmptySlot() != 0;
    case K::LuckAbove:
        return w.character.luck > c.value;
    case K::TalkAbove:
        return w.createform.skillFigure(Skill::talks) + w.character.femaleReaction > c.value;
    case K::AllOf:
        for (const Cond& p : c.parts)
            if (!holds(w, p)) return false;
        return true;
    case K::AnyOf:
        for (const Cond& p : c.parts)
            if (holds(w, p)) return true;
        return false;
    }
    return false;
}

void run(World& w, const Effects& effects, const Context& context) {
    Host& game = w.game();
    for (const Effect& effect : effects) {
        std::visit(Each{
                       [&](const Text& e) { game.text(w, e.where, e.n, withName(w, e.text)); },
                       [&](const Show& e) { game.show(w, e.what, e.n, true); },
                       [&](const Hide& e) { game.show(w, e.what, e.n, false); },
                       [&](const Say& e) {
                           std::array<std::string, 6> texts;
                           for (std::size_t i = 0; i < texts.size(); ++i)
                               texts[i] = withName(w, e.texts[i]);
                           game.say(w, texts);
                       },
                       [&](const Step& e) {
                           if (e.step) w.story.curStep = *e.step;
                           if (e.location) w.story.curLocation = *e.location;
                       },
                       [&](const Set& e) { w.story.storyFlags[e.flag] = e.on ? 1 : 0; },
                       [&](const Add& e) { game.add(w, e.item, e.count, e.placement); },
                       [&](const Remove& e) { game.remove(w, e.item, e.count); },
                       [&](const Compact&) { game.compact(w); },
                       [&](const Gain& e) { game.gain(w, e.skill, e.amount); },
                       [&](const Quest& e) { game.quest(w, e.line, e.text); },
                       [&](const Hurt& e) { w.character.hitPoints -= e.hitPoints; },
                       [&](const Background& e) { game.background(w, e.file); },
                       [&](const Fight& e) { game.fight(w, e.fight); },
                       [&](const Go& e) { game.go(w, e.place); },
                       [&](const When& e) { run(w, holds(w, e.cond) ? e.yes : e.no, context); },
                       [&](const Roll& e) { run(w, game.roll(w, e.check) ? e.success : e.failure, context); },
                       [&](const CountCatch&) { game.countCatch(w); },
                       [&](const OtherRules&) {
                           if (context.otherSteps) context.otherSteps(w);
                       },
                   },
                   effect.what);
    }
}

} // namespace cv::fx
