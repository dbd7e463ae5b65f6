// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The villagers' conversations: the dispatch of an answer click to its entry.
#include "conversations.h"

#include "../story/gamescreen.h"
#include "../story/storylog.h"
#include "../world.h"

namespace cv {

const std::vector<TalkEntry>& allTalk() {
    static const std::vector<TalkEntry> entries = [] {
        std::vector<TalkEntry> all = elderKeeperAndGuardsTalk();
        for (const auto* group : {&relativesTalk(), &shamanSpearMasterAndTentsTalk()})
            all.insert(all.end(), group->begin(), group->end());
        return all;
    }();
    return entries;
}

void answerClick(World& w, int answer) {
    // A hidden answer line takes no click; an empty one that shows still does.
    if (!answerVisible(w, answer)) return;
    const SettleChoices settle(w);
    for (const TalkEntry& e : allTalk())
        if (e.answer == answer && e.location == w.story.curLocation && e.step == w.story.curStep) {
            logLine(w, LogEntry::Answer, answerText(w, answer));
            fx::run(w, e.effects);
            return;
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

} // namespace cv
