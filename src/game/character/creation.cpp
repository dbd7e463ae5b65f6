// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character creation screen's handlers, and the character sheet the same screen becomes.
#include "creation.h"

#include <string>

#include "../assets/assets.h"
#include "../inventory/screen.h"
#include "../shell/shell.h"
#include "../story/newgame.h"
#include "../world.h"
#include "derived.h"
#include "sheet.h"

namespace cv {

namespace {

// Statistic indexes in memory order.
enum Stat { stStrength, stPerception, stEndurance, stIntelligence, stAgility, stLuck, stCharisma };

// Value labels of the skills the accept copies (skill numbers 11 and 10).
constexpr int kStealIndex = 10;
constexpr int kLockpickIndex = 9;

bool inSheetMode(const World& w) {
    return w.character.characterInPlay == 1;
}

// 2 for "Жен.", 1 for "Муж."; a typed text matches neither and gives 0.
int sexFromText(const std::string& text) {
    if (text == "Жен.") return 2;
    if (text == "Муж.") return 1;
    return 0;
}

// The pool lives only as the text of cpleft, always a number the game wrote itself.
int pool(const World& w) {
    return std::stoi(w.createform.cpleft.text);
}
void setPool(World& w, int points) {
    w.createform.cpleft.text = std::to_string(points);
}

void loadGlyph(World& w, int stat) {
    loadPicture(w, w.createform.glyph[stat], assets::glyphPath(w.character.stat(stat)));
}

void loadAllGlyphs(World& w) {
    for (int i = 0; i < screens::kStatCount; ++i)
        loadGlyph(w, i);
}

// Taking a trait back never leaves a statistic below 1; the pool pays the difference.
void takeBackTraitStats(World& w, int trait) {
    CharacterRecord& c = w.character;
    switch (trait) {
    case trCrusher:
        c.strength -= 2;
        if (c.strength == 0 || c.strength == -1) {
            c.strength = 1;
            setPool(w, pool(w) - 2);
        }
        recomputeSkills(w);
        loadGlyph(w, stStrength);
        break;
    case trSmall:
        c.agility -= 1;
        if (c.agility == 0) {
            c.agility = 1;
            setPool(w, pool(w) - 1);
        }
        recomputeSkills(w);
        loadGlyph(w, stAgility);
        break;
    case trTalent:
        for (int s : {stStrength, stPerception, stEndurance, stIntelligence, stAgility, stCharisma, stLuck}) {
            int& v = c.stat(s);
            v -= 1;
            if (v == 0) {
                v = 1;
                setPool(w, pool(w) - 1);
            }
        }
        loadAllGlyphs(w);
        break;
    default:
        break;
    }
}

// A freshly chosen trait 2, 3 or 14 grants its statistics; past the cap the grant becomes pool points.
void grantTraitStats(World& w, int trait) {
    CharacterRecord& c = w.character;
    switch (trait) {
    case trCrusher:
        c.strength += 2;
        if (c.strength > 8) {
            c.strength -= 2;
            setPool(w, pool(w) + 2);
        }
        recomputeSkills(w);
        recomputeDerived(w);
        loadGlyph(w, stStrength);
        break;
    case trSmall:
        // The derived values are left as they were until the next full recompute.
        c.agility += 1;
        if (c.agility > 9) {
            c.agility -= 1;
            setPool(w, pool(w) + 1);
        }
        recomputeSkills(w);
        loadGlyph(w, stAgility);
        break;
    case trTalent:
        for (int i = 0; i < screens::kStatCount; ++i)
            c.stat(i) += 1;
        for (int s : {stStrength, stPerception, stEndurance, stCharisma, stIntelligence, stAgility, stLuck}) {
            if (c.stat(s) == 11) {
                c.stat(s) = 10;
                setPool(w, pool(w) + 1);
            }
        }
        loadAllGlyphs(w);
        recomputeSkills(w);
        break;
    default:
        break;
    }
}

} // namespace

bool poolHasPoints(const World& w) {
    return pool(w) > 0;
}

void showFreeTags(World& w) {
    int free = 0;
    for (int tag : w.character.tagSkills)
        if (tag == 0) ++free;
    loadPicture(w, w.createform.tleft, assets::glyphPath(free));
}

void resetSkillColours(World& w) {
    for (auto& caption : w.createform.s)
        caption.color = brightGreen;
}

void raiseStat(World& w, int stat) {
    if (inSheetMode(w)) return; // the buttons lie under bok2 on the sheet
    int& s = w.character.stat(stat);
    if (s < 10 && poolHasPoints(w)) {
        s += 1;
        setPool(w, pool(w) - 1);
        loadGlyph(w, stat);
        recomputeSkills(w);
        recomputeDerived(w);
    }
}

void lowerStat(World& w, int stat) {
    if (inSheetMode(w)) return;
    int& s = w.character.stat(stat);
    if (s > 1) {
        s -= 1;
        setPool(w, pool(w) + 1);
        loadGlyph(w, stat);
        recomputeSkills(w);
        recomputeDerived(w);
    }
}

void toggleTag(World& w, int skill) {
    if (inSheetMode(w)) return; // the buttons lie under bok1 on the sheet
    auto& tags = w.character.tagSkills;
    auto& form = w.createform;
    // The value label itself moves by 20, so a value changed since the last recompute keeps its change.
    for (int& slot : tags) {
        if (slot == skill) {
            slot = 0;
            form.s[skill - 1].color = brightGreen;
            form.skill[skill - 1].value -= 20;
            showFreeTags(w);
            return;
        }
    }
    for (int& slot : tags) {
        if (slot == 0) {
            slot = skill;
            form.s[skill - 1].color = darkGreen;
            form.skill[skill - 1].value += 20;
            break;
        }
    }
    showFreeTags(w);
}

void toggleTrait(World& w, int trait) {
    auto& traits = w.character.traits;
    auto& form = w.createform;
    for (int& slot : traits) {
        if (slot == trait) {
            slot = 0;
            form.t[trait - 1].color = brightGreen;
            takeBackTraitStats(w, trait);
            recomputeDerived(w);
            recomputeSkills(w);
            return;
        }
    }
    for (int& slot : traits) {
        if (slot == 0) {
            slot = trait;
            form.t[trait - 1].color = darkGreen;
            recomputeDerived(w);
            recomputeSkills(w);
            return;
        }
    }
}

void traitButtonClick(World& w, int trait) {
    toggleTrait(w, trait);
    if (w.character.hasTrait(trait)) grantTraitStats(w, trait);
}

void skillCaptionClick(World& w, int skill) {
    auto& form = w.createform;
    if (skill == 1) {
        form.select.top = 17;
        form.smin.top = 21;
        form.splus.top = 32;
    } else if (skill == 2) {
        form.select.top = 28;
        form.smin.top = 32;
        form.splus.top = 43;
    }
    resetSkillColours(w);
    form.s[skill - 1].color = darkGreen;
}

void acceptClick(World& w) {
    using namespace screens;
    auto& form = w.createform;
    CharacterRecord& c = w.character;

    // The figure loads before anything changes: a picture fault leaves this screen up and the screens
    // behind it as they were (a game ended by the fifth catch stays frozen).
    const int sex = sexFromText(form.sex.text);
    if (!inSheetMode(w) && sex != 0) setFigurePictures(w, sex);
    enableGameScreen(w);
    enableCombatScreen(w);
    if (inSheetMode(w)) {
        // The sheet closes and hands control back to the screens behind it.
        hide(form.window);
        return;
    }

    showGameScreen(w);
    hide(form.window);
    turnIntoSheet(w);

    c.armourClass = form.derived[dAcl].value;
    c.playerName = form.namec.text;
    c.meleeDamage = form.derived[dDam].value;
    c.stealSkill = form.skill[kStealIndex].value;
    c.actionPoints = form.derived[dTp].value;
    form.age.readOnly = true;
    c.critChance = form.derived[dCch].value;
    c.lockpickSkill = form.skill[kLockpickIndex].value;
    c.hitPoints = form.derived[dHp].value;
    c.maxHitPoints = form.derived[dFhp].value;
    c.characterInPlay = 1;

    if (sex != 0) c.playerSex = sex;
    form.sex.enabled = false;

    if (c.hasTrait(trSexAppeal) && sex != 0) {
        c.maleReaction = sex == 2 ? 20 : -20;
        c.femaleReaction = -c.maleReaction;
    }
    form.namec.readOnly = true;
    resetStory(w);
}

void closeSheet(World& w) {
    if (inSheetMode(w)) acceptClick(w);
}

void typeName(World& w, const std::string& text) {
    w.createform.namec.text = text;
}

void typeAge(World& w, const std::string& text) {
    w.createform.age.text = text;
}

void typeSex(World& w, const std::string& text) {
    w.createform.sex.text = text;
}

void cancelClick(World& w) {
    if (inSheetMode(w)) return;
    hide(w.createform.window);
    showMainMenu(w);
}

void openForCreation(World& w) {
    show(w.createform.window);
    hide(w.createf.window);
    CharacterRecord& c = w.character;
    for (int i = 0; i < screens::kStatCount; ++i)
        c.stat(i) = 5;
    setPool(w, 5);
    c.tagSkills = {0, 0, 0};
    c.traits = {0, 0};
    loadAllGlyphs(w);
    recomputeSkills(w);
    recomputeDerived(w);
}

} // namespace cv
