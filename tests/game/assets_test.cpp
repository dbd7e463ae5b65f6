// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture files of the game and the paths the rules ask for.
#include <gtest/gtest.h>

#include <set>

#include "game/assets/assets.h"
#include "test_world.h"

namespace cv {
namespace {

TEST(Assets, GlyphPathsHaveTwoDigits) {
    const std::pair<int, const char*> cases[] = {{0, "nums/00.bmp"}, {3, "nums/03.bmp"}, {10, "nums/10.bmp"}};
    for (const auto& [n, path] : cases)
        EXPECT_EQ(assets::glyphPath(n), path);
}

TEST(Assets, PicturesFollowTheCharactersSex) {
    EXPECT_EQ(assets::viewPath("knife", 2), "view/knifev.jpg");
    EXPECT_EQ(assets::viewPath("knife", 1), "view/knifevm.jpg");
    EXPECT_EQ(assets::viewPath("no", 1), "view/novm.jpg");
    EXPECT_EQ(assets::showBarePath(2), "show/fnono.jpg");
    EXPECT_EQ(assets::showPistolPath(1), "show/mgno.jpg");
    EXPECT_EQ(assets::showSpearPath(2), "show/fspearno.jpg");
    EXPECT_EQ(assets::showKnifePath(1), "show/mknifeno.jpg");
    EXPECT_EQ(assets::invPath("10mm"), "INV/10mm.jpg");
}

TEST(Assets, TheTableListsEveryFileOnce) {
    std::set<std::string> paths;
    for (const auto& f : assets::assetTable())
        EXPECT_TRUE(paths.insert(f.path).second) << f.path;
    // 2 backgrounds, 3 enemies, 8 fighters, 8 figures, 5 hand pictures, 11 glyphs.
    EXPECT_EQ(paths.size(), 37u);
    for (const char* p : {"talk.jpg", "fon1.jpg", "enemy/gec.jpg", "view/spearvm.jpg", "show/mnono.jpg",
                          "INV/knife2.jpg", "INV/no.jpg", "nums/07.bmp"})
        EXPECT_TRUE(paths.count(p)) << p;
}

TEST(Assets, AFailedLoadLeavesTheControlAsItWas) {
    test::TestWorld t;
    Picture p;
    loadPicture(t.w, p, "talk.jpg");
    EXPECT_EQ(p.picture, "talk.jpg");
    t.pictures.failing.insert("fon1.jpg");
    EXPECT_THROW(loadPicture(t.w, p, "fon1.jpg"), PictureError);
    EXPECT_EQ(p.picture, "talk.jpg");
    // The same file may be loaded again into the same control.
    loadPicture(t.w, p, "talk.jpg");
    EXPECT_EQ(p.picture, "talk.jpg");
}

} // namespace
} // namespace cv
