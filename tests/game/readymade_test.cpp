// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ready-made character: taking "ДемоИгрок", the disabled create button, and back to the menu.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/readymade.h"
#include "test_world.h"

namespace cv {
namespace {

using namespace screens;

// What an earlier game may have left behind, so that take has to overwrite it.
void earlierGame(World& w) {
    CharacterRecord& c = w.character;
    c.playerName = "Мира";
    c.playerSex = 1;
    c.armourClass = c.meleeDamage = c.stealSkill = c.actionPoints = c.critChance = c.lockpickSkill = 3;
    c.hitPoints = c.maxHitPoints = 3;
    c.characterInPlay = 0; // the main menu's new game
    c.maleReaction = 7;
    c.femaleReaction = 7;
    c.strength = c.perception = c.endurance = c.intelligence = c.agility = c.luck = c.charisma = 2;
    c.tagSkills = {2, 3, 4};
    c.traits = {1, 0};
    for (auto& s : w.createform.skill)
        s.value = 999;
    for (auto& d : w.createform.derived)
        d.value = 999;
    for (auto& g : w.createform.glyph)
        g.picture = "old";
    w.story.storyFlags.bytes.fill(0);
    w.story.storyFlags[invFromBattle] = 1;
    w.story.storyFlags[ratKilled] = 1;
    w.caughtCount = 4;
    w.inventory.invItem[1] = itSpear;
    w.inventory.invCount[1] = 1;
    w.inventory.hand2Slot = 1;
    w.inventory.fromHand = true;
    show(w.createf.window);
    hide(w.Menuform.window);
}

TEST(TakeReadyMade, SheetShowsThePresetsSkillsDerivedValuesAndGlyphs) {
    test::TestWorld t;
    earlierGame(t.w);
    takeClick(t.w);
    const auto& form = t.w.createform;

    const std::array<int, kSkillCount> skills{67, 6,  6,  46, 36, 22, 20, 10, 19,
                                              55, 14, 15, 22, 54, 30, 22, 20};
    for (int i = 0; i < kSkillCount; ++i)
        EXPECT_EQ(form.skill[i].value, skills[i]) << kSkillValueNames[i];

    const std::vector<std::pair<Derived, int>> derived{{dHp, 30},  {dFhp, 30}, {dAcl, 8},  {dTp, 9},
                                                       {dMw, 150}, {dDam, 1},  {dRep, 25}, {dRer, 10},
                                                       {dAca, 14}, {dLeh, 1},  {dCch, 6},  {dSpl, 21}};
    for (auto [label, value] : derived)
        EXPECT_EQ(form.derived[label].value, value) << kDerivedNames[label];

    // sln mdn vnn itn lvn udn obn, in memory order
    const std::array<std::string, kStatCount> glyphs{"nums/05.bmp", "nums/07.bmp", "nums/05.bmp",
                                                     "nums/08.bmp", "nums/08.bmp", "nums/06.bmp",
                                                     "nums/08.bmp"};
    for (int i = 0; i < kStatCount; ++i)
        EXPECT_EQ(form.glyph[i].picture, glyphs[i]) << kGlyphNames[i];
}

TEST(TakeReadyMade, GameValuesAreThePresetNumbersNotTheSheet) {
    test::TestWorld t;
    earlierGame(t.w);
    takeClick(t.w);
    const CharacterRecord& c = t.w.character;

    EXPECT_EQ(c.playerName, "ДемоИгрок");
    EXPECT_EQ(c.playerSex, 2);
    EXPECT_EQ(c.armourClass, 8);
    EXPECT_EQ(c.meleeDamage, 1);
    EXPECT_EQ(c.stealSkill, 24);
    EXPECT_EQ(t.w.createform.skill[10].value, 14) << "the sheet's steal differs from the game value";
    EXPECT_EQ(c.actionPoints, 9);
    EXPECT_EQ(c.critChance, 6);
    EXPECT_EQ(c.lockpickSkill, 55);
    EXPECT_EQ(c.hitPoints, 30);
    EXPECT_EQ(c.maxHitPoints, 30);
    EXPECT_EQ(c.characterInPlay, 1);
    EXPECT_EQ((std::array<int, kStatCount>{c.strength, c.perception, c.endurance, c.intelligence, c.agility,
                                           c.luck, c.charisma}),
              (std::array<int, kStatCount>{5, 7, 5, 8, 8, 6, 8}));
    EXPECT_EQ(c.traits, (std::array<int, 2>{trTalent, trSexAppeal}));
    EXPECT_EQ(c.tagSkills, (std::array<int, 3>{1, 10, 14}));
    // Unlike accept, take leaves the reactions alone although the preset has sex appeal.
    EXPECT_EQ(c.maleReaction, 7);
    EXPECT_EQ(c.femaleReaction, 7);

    EXPECT_EQ(t.w.inventory.showPistolPic, "show/fgno.jpg");
    EXPECT_EQ(t.w.inventory.showSpearPic, "show/fspearno.jpg");
    EXPECT_EQ(t.w.inventory.showKnifePic, "show/fknifeno.jpg");
    EXPECT_EQ(t.w.InvForm.mainshow.picture, "show/fnono.jpg");
}

TEST(TakeReadyMade, PutsTheCreationFormIntoSheetModeAndStartsANewGame) {
    test::TestWorld t;
    World& w = t.w;
    earlierGame(w);
    // A game ended by the fifth catch left the game screen disabled; a new game gives it back.
    w.Gameform.window.enabled = false;
    takeClick(w);
    const auto& form = w.createform;

    EXPECT_TRUE(w.Gameform.window.visible);
    EXPECT_TRUE(w.Gameform.window.enabled);
    EXPECT_FALSE(w.createf.window.visible);

    EXPECT_EQ(form.namec.text, "ДемоИгрок");
    EXPECT_EQ(form.age.text, "21");
    EXPECT_EQ(form.sex.text, "Жен.");
    EXPECT_TRUE(form.namec.readOnly);
    EXPECT_TRUE(form.age.readOnly);
    EXPECT_FALSE(form.sex.enabled);

    for (const Control* c :
         {static_cast<const Control*>(&form.smin), static_cast<const Control*>(&form.splus),
          static_cast<const Control*>(&form.select), static_cast<const Control*>(&form.bon),
          static_cast<const Control*>(&form.kar), static_cast<const Control*>(&form.kil)})
        EXPECT_TRUE(c->visible);
    for (const auto& b : form.tagButton)
        EXPECT_GT(form.bok1.z, b.z);
    for (const auto& b : form.raise)
        EXPECT_GT(form.bok2.z, b.z);
    EXPECT_LT(form.bok2.z, form.lb1.z);
    EXPECT_GT(form.bon.z, form.lb2.z) << "bon is brought to the front once more";

    for (int i = 0; i < kSkillCount; ++i) {
        const bool tagged = i == 0 || i == 9 || i == 13;
        EXPECT_EQ(form.s[i].color, tagged ? darkGreen : brightGreen) << i;
    }
    EXPECT_EQ(form.t[trTalent - 1].color, brightGreen) << "trait captions are not repainted";
    EXPECT_EQ(form.t[trSexAppeal - 1].color, brightGreen);

    EXPECT_EQ(w.story.storyFlags[ratKilled], 0);
    EXPECT_EQ(w.story.storyFlags[lizardAlive], 1);
    EXPECT_EQ(w.story.storyFlags[invFromBattle], 1);
    EXPECT_EQ(w.caughtCount, 0);
    EXPECT_EQ(w.inventory.invItem[1], itNone);
    EXPECT_EQ(w.inventory.hand2Slot, 0);
    EXPECT_FALSE(w.inventory.fromHand);

    EXPECT_EQ(w.createf.lineValue[1].text, "47") << "the ready-made screen's own texts never change";
}

TEST(TakeReadyMade, APictureThatFailsToLoadLeavesTheGameAsItWas) {
    // The figure loads first, then the seven glyphs together, before anything else changes.
    for (const std::string failing : {"show/fnono.jpg", "nums/07.bmp"}) {
        SCOPED_TRACE(failing);
        test::TestWorld t;
        World& w = t.w;
        earlierGame(w);
        w.InvForm.mainshow.picture = "old";
        t.pictures.failing.insert(failing);

        EXPECT_THROW(takeClick(w), PictureError);

        EXPECT_TRUE(w.createf.window.visible);
        EXPECT_FALSE(w.Gameform.window.visible);
        EXPECT_EQ(w.InvForm.mainshow.picture, failing == "nums/07.bmp" ? "show/fnono.jpg" : "old");
        for (const auto& g : w.createform.glyph)
            EXPECT_EQ(g.picture, "old");
        EXPECT_EQ(w.character.stealSkill, 3);
        EXPECT_EQ(w.character.characterInPlay, 0);
        EXPECT_EQ(w.character.perception, 2);
        EXPECT_EQ(w.character.traits[0], 1);
        EXPECT_EQ(w.createform.namec.text, "");
        EXPECT_EQ(w.createform.skill[0].value, 999);
        EXPECT_EQ(w.caughtCount, 4);
        EXPECT_EQ(w.inventory.invItem[1], itSpear);
        EXPECT_EQ(w.inventory.hand2Slot, 1);
    }
}

TEST(ReadyMadeScreen, CreateButtonIsDisabledInTheLayout) {
    test::TestWorld t;
    show(t.w.createf.window);
    createClick(t.w);
    EXPECT_TRUE(t.w.createf.window.visible);
    EXPECT_FALSE(t.w.createform.window.visible);
    EXPECT_TRUE(t.pictures.requested.empty());
}

TEST(ReadyMadeScreen, CreateButtonOnceEnabledOpensCreation) {
    test::TestWorld t;
    show(t.w.createf.window);
    t.w.createf.Image3.enabled = true;
    createClick(t.w);
    EXPECT_FALSE(t.w.createf.window.visible);
    EXPECT_TRUE(t.w.createform.window.visible);
    EXPECT_EQ(t.w.character.agility, 5);
    EXPECT_EQ(t.w.createform.cpleft.text, "5");
}

TEST(ReadyMadeScreen, BackReturnsToTheMainMenu) {
    test::TestWorld t;
    show(t.w.createf.window);
    hide(t.w.Menuform.window);
    backClick(t.w);
    EXPECT_FALSE(t.w.createf.window.visible);
    EXPECT_TRUE(t.w.Menuform.window.visible);
}

} // namespace
} // namespace cv
