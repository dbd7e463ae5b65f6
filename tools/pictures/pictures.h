// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One entry per group of pictures: each function draws its pictures and hands them to the sink.
#pragma once

#include <QImage>
#include <string>

#include "picturesink.h"

namespace pictures {

// The picture files of the game's asset table, drawn by what they show; a null image for a subject
// nobody draws.
QImage backgroundPicture(const std::string& subject);
QImage enemyPicture(const std::string& subject);
QImage fighterPicture(const std::string& weapon, int sex);
QImage inventoryFigure(const std::string& weapon, int sex);
QImage handPicture(const std::string& subject);
QImage glyphPicture(int value);

// The fixed pictures of the windows' layouts, written under layout/.
void writeIcons(PictureSink& sink);     // icons/hicolor/NxN/apps/, for the desktop and the windows
void writeMenu(PictureSink& sink);      // layout/menu.raw
void writeReadyHero(PictureSink& sink); // layout/createf.raw, layout/portrait.raw
void writeCreation(PictureSink& sink);  // layout/createform.raw
void writePanels(PictureSink& sink);    // trait and bonus panels, hatched cover strips
void writeControls(PictureSink& sink);  // the small buttons, arrows and markers
void writeMap(PictureSink& sink);       // layout/map.raw
void writeWrist(PictureSink& sink);     // layout/vesk.raw
void writeBattle(PictureSink& sink);    // layout/battle.raw
void writeInventory(PictureSink& sink); // layout/invback.raw

} // namespace pictures
