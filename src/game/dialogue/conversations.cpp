// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The villagers' conversations: every entry, and the one an answer click finds.
#include "conversations.h"

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

const TalkEntry* talkEntry(int location, int step, int answer) {
    for (const TalkEntry& e : allTalk())
        if (e.answer == answer && e.location == location && e.step == step) return &e;
    return nullptr;
}

} // namespace cv
