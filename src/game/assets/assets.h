// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture files read at run time: their paths below the asset root and how they are loaded.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "../vocab/controls.h"

namespace cv {

struct World;

namespace assets {

// What a picture file shows, so that the picture maker can draw every file of the table by it.
enum class AssetKind {
    Background, // subject "village" or "grove"
    Enemy,      // subject "rat", "lizard" or "scorpion"
    Fighter,    // the small figure of a fight: subject the weapon ("knife", "gun", "spear", "no"), and sex
    Figure,     // the inventory's figure: subject "bare", "pistol", "spear" or "knife", and sex
    HandItem,   // a hand of the inventory: subject "knife", "10mm", "knife2", "spear" or "no"
    Glyph,      // a number glyph: number 0..10
};

// One row of the asset table: a file below the asset root, the control it is shown in, and what it shows.
struct AssetFile {
    std::string path;
    std::string shownIn;
    AssetKind kind;
    std::string subject;
    int sex = 0;    // 1 male, 2 female, for figures
    int number = 0; // for glyphs
};

// Every picture file the game loads during play.
const std::vector<AssetFile>& assetTable();

inline const std::string talk = "talk.jpg";
inline const std::string fon1 = "fon1.jpg";
inline const std::string enemyRat = "enemy/rat.jpg";
inline const std::string enemyLizard = "enemy/gec.jpg";
inline const std::string enemyScorpion = "enemy/scorp.jpg";

// The fighter picture for a weapon kind ("knife", "gun", "spear", "no") and the character's sex.
std::string viewPath(const std::string& weapon, int playerSex);
// The bare-handed figure and the three weapon figures of the inventory, by sex.
std::string showBarePath(int playerSex);
std::string showPistolPath(int playerSex);
std::string showSpearPath(int playerSex);
std::string showKnifePath(int playerSex);
// Hand-slot pictures of the inventory: "knife", "10mm", "knife2", "spear", "no".
std::string invPath(const std::string& name);

// The number glyph for 0..10: nums/00.bmp .. nums/10.bmp.
std::string glyphPath(int value);

} // namespace assets

// Loads the picture file into the control; throws PictureError and leaves the control as it was.
void loadPicture(World& world, Picture& control, const std::string& path);
// Loads every file, in order, before any control changes: a picture fault leaves them all as they were.
void loadPictures(World& world, const std::vector<std::pair<Picture*, std::string>>& pictures);

} // namespace cv
