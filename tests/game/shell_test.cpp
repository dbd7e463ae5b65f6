// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu, credits, help and the font flow.
#include <array>

#include <gtest/gtest.h>

#include "game/shell/shell.h"
#include "game/story/gamescreen.h"
#include "test_world.h"

namespace cv {
namespace {

class AnsweringFontDialog : public FontDialog {
  public:
    std::optional<Font> answer;
    bool gameVisibleWhileAsked = true;
    bool fontsVisibleWhileAsked = false;
    World* world = nullptr;
    std::optional<Font> ask(const Font& initial) override {
        EXPECT_EQ(initial, (Font{"MS Sans Serif", 13, false}));
        gameVisibleWhileAsked = world->Gameform.window.visible;
        fontsVisibleWhileAsked = world->fonts.window.visible;
        return answer;
    }
};

TEST(MainMenu, OnlyTheMenuIsVisibleAtStart) {
    test::TestWorld t;
    EXPECT_TRUE(t.w.Menuform.window.visible);
    for (const Window* win : {&t.w.auth.window, &t.w.createf.window, &t.w.Gameform.window, &t.w.fonts.window,
                              &t.w.mapform.window, &t.w.battle.window, &t.w.help.window, &t.w.accform.window,
                              &t.w.createform.window, &t.w.InvForm.window, &t.w.Vesk.window})
        EXPECT_FALSE(win->visible) << win->caption;
    EXPECT_EQ(t.w.Menuform.window.caption, "Cindervale: Brassmoth Post Edition");
    EXPECT_EQ(t.w.Gameform.window.caption, "Cindervale : Brassmoth Post Edition");
}

TEST(MainMenu, NewGameShowsTheReadyMadeScreenAndClearsCharacterInPlay) {
    test::TestWorld t;
    t.w.character.characterInPlay = 1;
    t.w.story.storyFlags[questRat] = 1;
    t.w.inventory.invItem[1] = itKnife;
    newGameClick(t.w);
    EXPECT_TRUE(t.w.createf.window.visible);
    EXPECT_FALSE(t.w.Menuform.window.visible);
    EXPECT_EQ(t.w.character.characterInPlay, 0);
    // The story and the inventory are reset only when a character is accepted.
    EXPECT_EQ(t.w.story.storyFlags[questRat], 1);
    EXPECT_EQ(t.w.inventory.invItem[1], itKnife);
}

TEST(MainMenu, CreditsAndHelpComeUpAgainWhenAlreadyOpen) {
    test::TestWorld t;
    authorsClick(t.w);
    authorsClick(t.w);
    EXPECT_TRUE(t.w.auth.window.visible);
    EXPECT_EQ(t.w.auth.window.raiseRequests, 2);
    helpClick(t.w);
    helpClick(t.w);
    EXPECT_TRUE(t.w.help.window.visible);
    EXPECT_EQ(t.w.help.window.raiseRequests, 2);
    EXPECT_TRUE(t.w.Menuform.window.visible); // neither is modal
}

TEST(MainMenu, ExitClosesTheMenuAndEndsTheProgram) {
    test::TestWorld t;
    int quits = 0;
    t.w.requestQuit = [&] { ++quits; };
    exitClick(t.w);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(t.w.Menuform.window.visible);
}

TEST(FontSettings, AChosenFontGoesToTheStoryTextAndTheLineOnly) {
    struct Case {
        const char* name;
        std::optional<Font> answer;
    };
    for (const Case& c : {Case{"chosen", Font{"DejaVu Serif", 18, true}}, Case{"cancelled", std::nullopt}}) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        AnsweringFontDialog dialog;
        dialog.answer = c.answer;
        dialog.world = &t.w;
        t.w.fontDialog = &dialog;
        show(t.w.Gameform.window);
        const Font m1Before = t.w.Gameform.m1.font, repBefore = t.w.Gameform.rep.font;
        std::array<Font, 5> answersBefore;
        for (std::size_t i = 0; i < 5; ++i)
            answersBefore[i] = t.w.Gameform.a[i].font;

        fontMenuClick(t.w);

        EXPECT_FALSE(dialog.gameVisibleWhileAsked);
        EXPECT_TRUE(dialog.fontsVisibleWhileAsked);
        EXPECT_TRUE(t.w.Gameform.window.visible);
        EXPECT_FALSE(t.w.fonts.window.visible);
        const Font expected = c.answer ? *c.answer : m1Before;
        EXPECT_EQ(t.w.Gameform.m1.font, expected);
        EXPECT_EQ(t.w.Gameform.m2.font, expected);
        EXPECT_EQ(t.w.Gameform.rep.font, c.answer ? *c.answer : repBefore);
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(t.w.Gameform.a[i].font, answersBefore[i]);
    }
}

} // namespace
} // namespace cv
