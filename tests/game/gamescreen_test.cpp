// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen: its opening, the reset before a location, choices, and the side buttons.
#include <gtest/gtest.h>

#include "game/story/gamescreen.h"
#include "game/story/mode.h"
#include "game/story/scene.h"
#include "test_world.h"

namespace cv {
namespace {

TEST(GameScreen, OpensWithTheStoryTextAndNoWayOnButTheMap) {
    test::TestWorld t;
    const auto& g = t.w.Gameform;
    EXPECT_EQ(g.m1.text.rfind("...Рано утром Ваш племянник Эрвальд", 0), 0u);
    EXPECT_EQ(g.m1.text.back(), ' '); // the opening text ends with a blank
    EXPECT_EQ(g.m2.text.rfind("Через несколько минут", 0), 0u);
    EXPECT_FALSE(g.choose.visible);
    EXPECT_FALSE(g.ready.visible);
    EXPECT_TRUE(g.mapb.visible);
    EXPECT_TRUE(g.pros.visible);
    EXPECT_TRUE(g.BitBtn2.enabled);
    for (const auto& a : g.a)
        EXPECT_TRUE(a.text.empty());
    EXPECT_TRUE(g.rep.text.empty());
}

TEST(GameScreen, CreationLoadsTheBackground) {
    test::TestWorld t;
    gameFormCreate(t.w);
    EXPECT_EQ(t.w.Gameform.fon.picture, "talk.jpg");
}

TEST(GameScreen, ResetPreparesChoiceModeWithConfirmDisabled) {
    test::TestWorld t;
    auto& g = t.w.Gameform;
    show(t.w.mapform.window);
    enterDialogue(t.w);
    setDialogue(t.w, "line", "one", "two", "three", "four", "five");
    g.c[2].checked = true;
    g.c[4].visible = false;
    g.a[1].visible = false;
    g.ready.enabled = true;
    g.mapb.visible = false;

    resetGameScreen(t.w);

    for (const auto& c : g.c) {
        EXPECT_FALSE(c.checked);
        EXPECT_TRUE(c.visible);
    }
    for (const auto& a : g.a)
        EXPECT_TRUE(a.visible);
    EXPECT_TRUE(g.window.visible);
    EXPECT_FALSE(t.w.mapform.window.visible);
    EXPECT_TRUE(g.choose.visible);
    EXPECT_TRUE(g.ready.visible);
    EXPECT_FALSE(g.ready.enabled);
    EXPECT_TRUE(g.mapb.visible);
    // Leaving dialogue mode empties the first three answers only; the line stays.
    EXPECT_EQ(g.a[0].text, "");
    EXPECT_EQ(g.a[2].text, "");
    EXPECT_EQ(g.a[3].text, "four");
    EXPECT_EQ(g.a[4].text, "five");
    EXPECT_EQ(g.rep.text, "line");
}

TEST(GameScreen, AChoiceSelectsItAloneAndEnablesConfirm) {
    test::TestWorld t;
    auto& g = t.w.Gameform;
    resetGameScreen(t.w);
    choiceClick(t.w, 2);
    choiceClick(t.w, 4);
    EXPECT_EQ(selectedChoice(t.w), 4);
    EXPECT_FALSE(g.c[1].checked);
    EXPECT_TRUE(g.ready.enabled);
}

TEST(GameScreen, ConfirmOutsideAnyLocationOnlyEmptiesTheStory) {
    test::TestWorld t;
    auto& g = t.w.Gameform;
    g.ready.visible = true;
    g.c[0].checked = true;
    g.ready.enabled = true;
    t.w.story.curStep = 7;
    for (int location : {0, 16, -1}) {
        t.w.story.curLocation = location;
        g.m1.text = "a";
        g.m2.text = "b";
        readyClick(t.w);
        EXPECT_EQ(g.m1.text, "");
        EXPECT_EQ(g.m2.text, "");
        EXPECT_FALSE(g.ready.visible);
        // The selection and the enabled confirm button stay.
        EXPECT_TRUE(g.c[0].checked);
        EXPECT_TRUE(g.ready.enabled);
        EXPECT_EQ(t.w.story.curStep, 7);
    }
}

TEST(GameScreen, MapButtonShowsTheMapAndReloadsTheBackground) {
    test::TestWorld t;
    auto& g = t.w.Gameform;
    show(g.window);
    g.fon.picture = "fon1.jpg";
    g.pros.visible = false;
    mapbClick(t.w);
    EXPECT_TRUE(t.w.mapform.window.visible);
    EXPECT_FALSE(g.window.visible);
    EXPECT_EQ(g.fon.picture, "talk.jpg");
    EXPECT_TRUE(g.pros.visible);
}

TEST(GameScreen, AMissingBackgroundStopsTheMapButtonAtTheLoad) {
    test::TestWorld t;
    auto& g = t.w.Gameform;
    show(g.window);
    g.fon.picture = "fon1.jpg";
    g.pros.visible = false;
    t.pictures.failing.insert("talk.jpg");
    EXPECT_THROW(mapbClick(t.w), PictureError);
    // The steps before the load took effect; the picture and the step after it did not.
    EXPECT_TRUE(t.w.mapform.window.visible);
    EXPECT_FALSE(g.window.visible);
    EXPECT_EQ(g.fon.picture, "fon1.jpg");
    EXPECT_FALSE(g.pros.visible);
}

TEST(GameScreen, SideButtonsDisableTheGameScreenAndOpenTheirWindows) {
    test::TestWorld t;
    auto& g = t.w.Gameform;
    show(g.window);

    characterClick(t.w);
    EXPECT_FALSE(g.window.enabled);
    EXPECT_FALSE(t.w.battle.window.enabled);
    EXPECT_TRUE(t.w.createform.window.visible);
    EXPECT_GT(t.w.createform.bonusp.z, t.w.createform.traitsp.z);

    g.window.enabled = true;
    t.w.Vesk.ar.visible = true;
    veskClick(t.w);
    EXPECT_FALSE(g.window.enabled);
    EXPECT_TRUE(t.w.Vesk.window.visible);
    EXPECT_FALSE(t.w.Vesk.ar.visible);
}

TEST(GameScreen, InventoryButtonFillsTheFiguresFromTheSheetAndTheRecord) {
    test::TestWorld t;
    t.w.character.hitPoints = 17;
    t.w.character.maxHitPoints = 30;
    t.w.createform.derived[screens::dMw].value = 175;
    t.w.createform.derived[screens::dDam].value = 5;
    inventoryClick(t.w);
    const auto& inv = t.w.InvForm;
    EXPECT_TRUE(inv.window.visible);
    EXPECT_FALSE(t.w.Gameform.window.enabled);
    EXPECT_EQ(inv.fwe.text, "175");
    EXPECT_EQ(inv.hp.text, "17");
    EXPECT_EQ(inv.fhp.text, "30");
    EXPECT_EQ(inv.min1.text, "1");
    EXPECT_EQ(inv.min2.text, "1");
    EXPECT_EQ(inv.max1.text, "7");
    EXPECT_EQ(inv.max2.text, "7");
}

} // namespace
} // namespace cv
