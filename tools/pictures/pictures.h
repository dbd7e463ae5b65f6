// One entry per group of pictures: each function draws its pictures and hands them to the sink.
#pragma once

#include "picturesink.h"

namespace pictures {

void writeBackgrounds(PictureSink& sink); // assets/talk.jpg, assets/fon1.jpg
void writeEnemies(PictureSink& sink);     // assets/enemy/
void writeFigures(PictureSink& sink);     // assets/view/, assets/show/
void writeItems(PictureSink& sink);       // assets/INV/
void writeNumbers(PictureSink& sink);     // assets/nums/
void writeMenu(PictureSink& sink);        // layout/menu.png
void writeReadyHero(PictureSink& sink);   // layout/createf.png, layout/portrait.png
void writeCreation(PictureSink& sink);    // layout/createform.png
void writePanels(PictureSink& sink);      // trait and bonus panels, hatched cover strips
void writeControls(PictureSink& sink);    // the small buttons, arrows and markers
void writeMap(PictureSink& sink);         // layout/map.png
void writeWrist(PictureSink& sink);       // layout/vesk.png
void writeBattle(PictureSink& sink);      // layout/battle.png
void writeInventory(PictureSink& sink);   // layout/invback.png

} // namespace pictures
