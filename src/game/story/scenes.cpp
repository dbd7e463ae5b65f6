// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene table's dispatch: which rows of the current location apply to a confirm.
#include "scenes.h"

#include "../world.h"
#include "gamescreen.h"

namespace cv {

const std::vector<SceneRow>& allScenes() {
    static const std::vector<SceneRow> rows = [] {
        std::vector<SceneRow> all = villageScenes();
        for (const auto* group : {&huntingScenes(), &templeScenes()})
            all.insert(all.end(), group->begin(), group->end());
        return all;
    }();
    return rows;
}

namespace {

void runOtherStepRows(World& w);

void runRows(World& w, bool otherStepsOnly) {
    const int loc = w.story.curLocation;
    const int choice = selectedChoice(w);
    const int stepAtConfirm = w.story.curStep;
    const fx::Context context{runOtherStepRows};
    // One row per choice: the row for the step at the confirm, or else the row for any other step.
    bool choiceDone = false;
    bool named = false;
    for (const SceneRow& r : allScenes())
        if (r.location == loc && r.choice == choice && r.step == stepAtConfirm) named = true;
    for (const SceneRow& r : allScenes()) {
        if (r.location != loc) continue;
        if (r.choice == anyChoice) {
            if (!otherStepsOnly) fx::run(w, r.effects, context);
            continue;
        }
        if (r.choice != choice || choiceDone) continue;
        const bool applies =
            otherStepsOnly ? r.step == otherStep
                           : r.step == anyStep || r.step == stepAtConfirm || (r.step == otherStep && !named);
        if (!applies) continue;
        choiceDone = true;
        fx::run(w, r.effects, context);
    }
}

void runOtherStepRows(World& w) {
    runRows(w, true);
}

} // namespace

void runScenes(World& w) {
    runRows(w, false);
}

} // namespace cv
