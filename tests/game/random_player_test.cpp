// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The random player: a short soak of the game core through the windows' inputs, and the invariants it
// checks, each of which must be able to fail.
#include <gtest/gtest.h>

#include <sstream>

#include "corereplay.h"
#include "game/character/readymade.h"
#include "game/inputs.h"
#include "game/inventory/items.h"
#include "randomplayer.h"
#include "test_world.h"

namespace cv {
namespace {

TEST(RandomPlayer, AShortSoakKeepsEveryInvariant) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        soak::Options o;
        o.seed = seed;
        o.steps = 150000;
        const soak::Report r = soak::play(o);
        ASSERT_FALSE(r.failure) << "seed " << r.failure->seed << ", step " << r.failure->step << ": "
                                << r.failure->what << "\n"
                                << r.failure->script;
        EXPECT_EQ(r.steps, o.steps);
        // The soak reaches the fights and their aimed attacks, not only the menus.
        EXPECT_GT(r.fights, 10);
        EXPECT_GT(r.aimedAttacks, 0);
        EXPECT_GT(r.talks, 100);
    }
}

TEST(RandomPlayer, BrokenPicturesRaiseOnlyPictureErrorsAndKeepEveryInvariant) {
    // The long soak's seeds and shares of broken loads, each at a shorter length.
    for (std::uint64_t seed = 1; seed <= 6; ++seed)
        for (double share : {0.01, 0.05, 0.2}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", share " << share);
            soak::Options o;
            o.seed = seed;
            o.steps = 30000;
            o.brokenPictures = share;
            const soak::Report r = soak::play(o);
            ASSERT_FALSE(r.failure) << "game seed " << r.failure->seed << ", step " << r.failure->step << ": "
                                    << r.failure->what << "\n"
                                    << r.failure->script;
            EXPECT_GT(r.pictureErrors, 0);
        }
}

// What a game has come to: the store, the hands, the flags, the place and what the screens show.
std::string fingerprint(const World& w) {
    std::ostringstream out;
    for (int i = 1; i <= kSlotCount; ++i)
        out << static_cast<int>(w.inventory.invItem[static_cast<std::size_t>(i)]) << 'x'
            << w.inventory.invCount[static_cast<std::size_t>(i)] << ' ';
    out << w.inventory.hand1Slot << ' ' << w.inventory.hand2Slot << ' ' << w.InvForm.w1.text << ' '
        << w.InvForm.w2.text << '|';
    for (auto f : w.story.storyFlags.bytes)
        out << int(f);
    out << '|' << w.story.curLocation << ' ' << w.story.curStep << ' ' << w.Gameform.m1.text << ' '
        << w.Gameform.window.visible << w.battle.window.visible << w.InvForm.window.visible << ' '
        << w.battle.choose.items.size() << ' ' << w.battle.char_.picture << ' ' << w.Gameform.fon.picture;
    return out.str();
}

std::vector<std::string> linesOf(const std::string& script) {
    std::vector<std::string> lines;
    std::istringstream in(script);
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

TEST(RandomPlayer, AFaultsPlayScriptSaysWhichLoadsFailedAndReplaysTheGame) {
    // A stand-in fault at a fixed input of a game with many broken pictures.
    soak::Options o;
    o.seed = 5;
    o.steps = 3000;
    o.brokenPictures = 0.2;
    int inputs = 0;
    std::string atFault;
    o.alsoCheck = [&](const World& w) -> std::optional<std::string> {
        if (++inputs < 1500) return std::nullopt;
        atFault = fingerprint(w);
        return "the stand-in fault";
    };
    const soak::Report r = soak::play(o);
    ASSERT_TRUE(r.failure);
    ASSERT_EQ(r.failure->what, "the stand-in fault");
    const std::vector<std::string> script = linesOf(r.failure->script);
    ASSERT_GT(std::count_if(script.begin(), script.end(),
                            [](const std::string& l) { return l.starts_with("broken "); }),
              0)
        << "the script names the loads that failed";

    soak::CoreReplay replay;
    ASSERT_FALSE(replay.run(script));
    EXPECT_EQ(fingerprint(replay.world()), atFault);
    EXPECT_EQ(replay.brokenLoadsLeft(), 0) << "each named failure met its load in the replay";
}

TEST(RandomPlayer, ASeedReproducesItsRun) {
    soak::Options o;
    o.seed = 4;
    o.steps = 20000;
    const soak::Report a = soak::play(o), b = soak::play(o);
    EXPECT_EQ(a.games, b.games);
    EXPECT_EQ(a.fights, b.fights);
    EXPECT_EQ(a.talks, b.talks);
    EXPECT_EQ(a.deaths, b.deaths);
}

TEST(GameInvariants, EachOneCatchesItsFault) {
    struct Case {
        const char* name;
        void (*spoil)(World&);
    };
    const Case cases[] = {
        {"a gap before an occupied slot",
         [](World& w) {
             w.inventory.invItem[3] = ItemId::itRope; // slot 1 holds the knife, slot 2 nothing
             w.inventory.invCount[3] = 1;
         }},
        {"an unknown item", [](World& w) { w.inventory.invItem[1] = static_cast<ItemId>(13); }},
        {"a stack without items", [](World& w) { w.inventory.invCount[1] = 0; }},
        {"a hand on an empty slot", [](World& w) { w.inventory.hand2Slot = 2; }},
        {"a hand that shows another thing than it holds", [](World& w) { w.inventory.hand1Slot = 1; }},
        {"both hands on one slot",
         [](World& w) {
             w.inventory.hand1Slot = w.inventory.hand2Slot = 1;
             w.InvForm.w1.text = w.InvForm.w2.text = "Нож";
         }},
        {"a flag that is neither 0 nor 1", [](World& w) { w.story.storyFlags[StoryFlag::questRat] = 2; }},
        {"a location out of range", [](World& w) { w.story.curLocation = 16; }},
        {"a caption no table gives", [](World& w) { w.Gameform.c[0].caption = "Улететь"; }},
        {"an answer no table gives", [](World& w) { w.Gameform.a[2].text = "Ещё разок"; }},
        {"a negative distance", [](World& w) { w.battle.dis.value = -1; }},
        {"negative action points", [](World& w) { w.battle.tp.value = -2; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        takeClick(t.w);
        t.w.Gameform.choose.visible = true;
        addItem(t.w, ItemId::itKnife, 1);
        ASSERT_FALSE(soak::brokenInvariant(t.w)) << *soak::brokenInvariant(t.w);
        c.spoil(t.w);
        EXPECT_TRUE(soak::brokenInvariant(t.w));
    }
}

TEST(PlayerInputs, OnlyTheShownEnabledUncoveredControlsOfTheWindowsInFront) {
    test::TestWorld t;
    auto addresses = [&t] {
        std::vector<std::string> a;
        for (const PlayerInput& in : availableInputs(t.w))
            a.push_back(scriptLine(in));
        return a;
    };
    // At the start: the main menu's four buttons.
    EXPECT_EQ(addresses(), (std::vector<std::string>{"click Menuform.BitBtn6", "click Menuform.BitBtn4",
                                                      "click Menuform.BitBtn1", "click Menuform.BitBtn3"}));
    takeClick(t.w);
    const auto inGame = addresses();
    // The confirm button and the choices are hidden in opening mode; the sheet's statistic buttons are
    // covered once it is a sheet.
    EXPECT_EQ(std::count(inGame.begin(), inGame.end(), "click Gameform.ready"), 0);
    EXPECT_EQ(std::count(inGame.begin(), inGame.end(), "click Gameform.mapb"), 1);
    EXPECT_EQ(std::count(inGame.begin(), inGame.end(), "menu Gameform Игра/Выход"), 1);
    t.w.Gameform.window.enabled = false;
    t.w.createform.window.visible = true;
    const auto onSheet = addresses();
    EXPECT_EQ(std::count(onSheet.begin(), onSheet.end(), "click Gameform.mapb"), 0);
    EXPECT_EQ(std::count(onSheet.begin(), onSheet.end(), "click createform.Image12"), 0);
    EXPECT_EQ(std::count(onSheet.begin(), onSheet.end(), "click createform.bon"), 1);
}

} // namespace
} // namespace cv
