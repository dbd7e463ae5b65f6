// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture files read at run time: their paths below the asset root and how they are loaded.
#include "assets.h"

#include <cstdio>

#include "../world.h"

namespace cv {
namespace assets {

namespace {
std::string sexPrefix(int playerSex) {
    return playerSex == 1 ? "m" : "f";
}
} // namespace

std::string viewPath(const std::string& weapon, int playerSex) {
    return "view/" + weapon + (playerSex == 1 ? "vm" : "v") + ".jpg";
}

std::string showBarePath(int playerSex) {
    return "show/" + sexPrefix(playerSex) + "nono.jpg";
}
std::string showPistolPath(int playerSex) {
    return "show/" + sexPrefix(playerSex) + "gno.jpg";
}
std::string showSpearPath(int playerSex) {
    return "show/" + sexPrefix(playerSex) + "spearno.jpg";
}
std::string showKnifePath(int playerSex) {
    return "show/" + sexPrefix(playerSex) + "knifeno.jpg";
}
std::string invPath(const std::string& name) {
    return "INV/" + name + ".jpg";
}

std::string glyphPath(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "nums/%02d.bmp", value);
    return buf;
}

const std::vector<AssetFile>& assetTable() {
    static const std::vector<AssetFile> table = [] {
        using enum AssetKind;
        std::vector<AssetFile> t{
            {talk, "Gameform.fon", Background, "village"},     {fon1, "Gameform.fon", Background, "grove"},
            {enemyRat, "battle.epic", Enemy, "rat"},           {enemyLizard, "battle.epic", Enemy, "lizard"},
            {enemyScorpion, "battle.epic", Enemy, "scorpion"},
        };
        for (const char* weapon : {"knife", "gun", "spear", "no"})
            for (int sex : {2, 1})
                t.push_back({viewPath(weapon, sex), "battle.char", Fighter, weapon, sex});
        for (int sex : {2, 1}) {
            t.push_back({showBarePath(sex), "InvForm.mainshow", Figure, "bare", sex});
            t.push_back({showPistolPath(sex), "InvForm.curshow", Figure, "pistol", sex});
            t.push_back({showSpearPath(sex), "InvForm.curshow", Figure, "spear", sex});
            t.push_back({showKnifePath(sex), "InvForm.curshow", Figure, "knife", sex});
        }
        for (const char* name : {"knife", "10mm", "knife2", "spear", "no"})
            t.push_back({invPath(name), "InvForm.v1, InvForm.v2", HandItem, name});
        for (int n = 0; n <= 10; ++n)
            t.push_back({glyphPath(n), "createform glyphs and tleft", Glyph, {}, 0, n});
        return t;
    }();
    return table;
}

} // namespace assets

void loadPicture(World& world, Picture& control, const std::string& path) {
    world.pictures->load(path); // throws before the control changes
    control.picture = path;
}

void loadPictures(World& world, const std::vector<std::pair<Picture*, std::string>>& pictures) {
    for (const auto& [control, path] : pictures)
        world.pictures->load(path);
    for (const auto& [control, path] : pictures)
        control->picture = path;
}

} // namespace cv
