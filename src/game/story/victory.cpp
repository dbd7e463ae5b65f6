// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a won fight brings into the story, by the fight: the rat's death, the lizard's rope, the
// scorpion's chest.
#include "victory.h"

#include "../effects/effects.h"
#include "../world.h"

namespace cv {

const fx::Effects& victoryOutcome(int fightId) {
    using namespace fx;
    using enum StoryFlag;
    using enum ItemId;
    static const Effects none;
    static const Effects rat{set(ratKilled), goToMap()};
    static const Effects lizard{
        storyText(1, "На месте, где пасся ящерун вы находите верёвку. Видимо один из охотников оставил её здесь."),
        add(itRope), showChoices(), caption(1, "Дальше>>"), hideChoice(2), hideChoice(3), step(steps::huntingFork),
        clear(lizardAlive)};
    static const Effects scorpion{storyText(1, "В сундуке вы нашли Взрывчатку и два целебных порошка."),
                                  add(itExplosives), add(itHealingPowder, 2), showChoices(),
                                  caption(1, "Вернуться к двери"), hideChoice(2), step(steps::templeInner),
                                  clear(scorpionAlive)};
    switch (fightId) {
    case 1:
        return rat;
    case 2:
        return lizard;
    case 3:
        return scorpion;
    default:
        return none;
    }
}

void fightWon(World& w, int fightId) {
    fx::run(w, victoryOutcome(fightId));
}

} // namespace cv
