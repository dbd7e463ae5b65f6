// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The effects that the story's scene table and the villagers' conversations are written in, and the
// one interpreter that carries them out.
#include "effects.h"

#include "../combat/battle.h"
#include "../dialogue/mode.h"
#include "../inventory/items.h"
#include "../story/gamescreen.h"
#include "../world.h"

namespace cv::fx {

namespace {

Effect plain(Op op, int a = 0) {
    Effect e;
    e.op = op;
    e.a = a;
    return e;
}

Effect withText(Op op, int a, std::string text) {
    Effect e = plain(op, a);
    e.text = std::move(text);
    return e;
}

Cond condition(Cond::Kind kind, int value = 0) {
    Cond c;
    c.kind = kind;
    c.value = value;
    return c;
}

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
    return withText(Op::StoryText, label, std::move(text));
}
Effect raiseSecondText() {
    return plain(Op::RaiseSecondText);
}
Effect caption(int choice, std::string text) {
    return withText(Op::Caption, choice, std::move(text));
}
Effect showChoice(int choice) {
    return plain(Op::ShowChoice, choice);
}
Effect hideChoice(int choice) {
    return plain(Op::HideChoice, choice);
}
Effect showChoices() {
    return plain(Op::ShowChoices);
}
Effect showConfirm() {
    return plain(Op::ShowConfirm);
}
Effect enterDialogue() {
    return plain(Op::EnterDialogue);
}
Effect say(std::string line, std::string a1, std::string a2, std::string a3, std::string a4) {
    Effect e = plain(Op::Say);
    e.texts = {std::move(line), std::move(a1), std::move(a2), std::move(a3), std::move(a4), {}};
    return e;
}
Effect sayNothing() {
    return say({});
}
Effect partnerLine(std::string text) {
    return withText(Op::PartnerLine, 0, std::move(text));
}
Effect answer(int n, std::string text) {
    return withText(Op::Answer, n, std::move(text));
}
Effect showAnswer(int n) {
    return plain(Op::ShowAnswer, n);
}
Effect hideAnswer(int n) {
    return plain(Op::HideAnswer, n);
}
Effect showMapButton() {
    return plain(Op::ShowMapButton);
}
Effect hideMapButton() {
    return plain(Op::HideMapButton);
}
Effect step(int n) {
    return plain(Op::Step, n);
}
Effect location(int loc) {
    return plain(Op::Location, loc);
}
Effect set(StoryFlag f) {
    Effect e = plain(Op::SetFlag, 1);
    e.flag = f;
    return e;
}
Effect clear(StoryFlag f) {
    Effect e = set(f);
    e.a = 0;
    return e;
}
Effect add(ItemId item, int count) {
    Effect e = plain(Op::AddItem, count);
    e.item = item;
    return e;
}
Effect remove(ItemId item, int count) {
    Effect e = plain(Op::RemoveItem, count);
    e.item = item;
    return e;
}
Effect compact() {
    return plain(Op::Compact);
}
Effect gain(Skill skill, int amount) {
    Effect e = plain(Op::SkillGain, amount);
    e.skill = skill;
    return e;
}
Effect quest(QuestLine line, std::string text) {
    Effect e = withText(Op::Quest, 0, std::move(text));
    e.line = line;
    return e;
}
Effect questDone(QuestLine line) {
    return quest(line, {});
}
Effect goToMap() {
    return plain(Op::GoToMap);
}
Effect openMap() {
    return plain(Op::OpenMap);
}
Effect resetGameScreen() {
    return plain(Op::ResetGameScreen);
}
Effect background(std::string file) {
    return withText(Op::Background, 0, std::move(file));
}
Effect startFight(int fight) {
    return plain(Op::StartFight, fight);
}
Effect trapDamage() {
    return plain(Op::TrapDamage);
}
Effect elderCoins() {
    return plain(Op::ElderCoins);
}
Effect auntMeat(Effects whenGiven) {
    Effect e = plain(Op::AuntMeat);
    e.yes = std::move(whenGiven);
    return e;
}
Effect when(Cond cond, Effects yes, Effects no) {
    Effect e = plain(Op::When);
    e.cond = std::move(cond);
    e.yes = std::move(yes);
    e.no = std::move(no);
    return e;
}
Effect check(Check which, Effects success, Effects failure) {
    Effect e = plain(Op::Check);
    e.check = which;
    e.yes = std::move(success);
    e.no = std::move(failure);
    return e;
}
Effect theft(Thief from, Effects success, Effects caught) {
    Effect e = plain(Op::Theft, static_cast<int>(from));
    e.yes = std::move(success);
    e.no = std::move(caught);
    return e;
}
Effect otherStepRules() {
    return plain(Op::OtherStepRules);
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
        return hasItem(w, c.item, 1);
    case K::LuckAbove:
        return w.character.luck > c.value;
    case K::TalkAbove:
        return skillValue(w, Skill::talks) + w.character.femaleReaction > c.value;
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
    for (const Effect& e : effects) {
        switch (e.op) {
        case Op::StoryText:
            setStoryText(w, e.a, withName(w, e.text));
            break;
        case Op::RaiseSecondText:
            raiseSecondStoryText(w);
            break;
        case Op::Caption:
            setChoiceCaption(w, e.a, e.text);
            break;
        case Op::ShowChoice:
            setChoiceVisible(w, e.a, true);
            break;
        case Op::HideChoice:
            setChoiceVisible(w, e.a, false);
            break;
        case Op::ShowChoices:
            leaveDialogue(w);
            break;
        case Op::ShowConfirm:
            setConfirmVisible(w, true);
            break;
        case Op::EnterDialogue:
            cv::enterDialogue(w);
            break;
        case Op::Say:
            setDialogue(w, withName(w, e.texts[0]), withName(w, e.texts[1]), withName(w, e.texts[2]),
                        withName(w, e.texts[3]), withName(w, e.texts[4]), withName(w, e.texts[5]));
            break;
        case Op::PartnerLine:
            setPartnerLine(w, withName(w, e.text));
            break;
        case Op::Answer:
            setAnswerText(w, e.a, withName(w, e.text));
            break;
        case Op::ShowAnswer:
            setAnswerVisible(w, e.a, true);
            break;
        case Op::HideAnswer:
            setAnswerVisible(w, e.a, false);
            break;
        case Op::ShowMapButton:
            setMapButtonVisible(w, true);
            break;
        case Op::HideMapButton:
            setMapButtonVisible(w, false);
            break;
        case Op::Step:
            w.story.curStep = e.a;
            break;
        case Op::Location:
            w.story.curLocation = e.a;
            break;
        case Op::SetFlag:
            w.story.storyFlags[e.flag] = static_cast<std::uint8_t>(e.a);
            break;
        case Op::AddItem:
            addItem(w, e.item, e.a);
            break;
        case Op::RemoveItem:
            removeItem(w, e.item, e.a);
            break;
        case Op::Compact:
            compactInventory(w);
            break;
        case Op::SkillGain:
            addToSkill(w, e.skill, e.a);
            break;
        case Op::Quest:
            setQuestLine(w, e.line, e.text);
            break;
        case Op::GoToMap:
            cv::goToMap(w);
            break;
        case Op::OpenMap:
            cv::openMap(w);
            break;
        case Op::ResetGameScreen:
            cv::resetGameScreen(w);
            break;
        case Op::Background:
            loadBackground(w, e.text);
            break;
        case Op::StartFight:
            cv::startFight(w, e.a);
            break;
        case Op::TrapDamage:
            cv::trapDamage(w);
            break;
        case Op::ElderCoins:
            if (!raiseFirstStack(w, ItemId::itCoins, 100)) addItem(w, ItemId::itCoins, 100);
            break;
        case Op::AuntMeat:
            if (putInFirstEmptySlot(w, ItemId::itMeat, 1)) run(w, e.yes, context);
            break;
        case Op::When:
            run(w, holds(w, e.cond) ? e.yes : e.no, context);
            break;
        case Op::Check:
            run(w, randomCheck(w, e.check) ? e.yes : e.no, context);
            break;
        case Op::Theft:
            if (theftSucceeds(w, static_cast<Thief>(e.a))) {
                run(w, e.yes, context);
            } else {
                run(w, e.no, context);
                countCatch(w);
            }
            break;
        case Op::OtherStepRules:
            if (context.otherSteps) context.otherSteps(w);
            break;
        }
    }
}

} // namespace cv::fx
