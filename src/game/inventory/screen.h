// The inventory screen: the list of the store, the item shown, the actions, the hands and the figure.
#pragma once

namespace cv {

struct World;

// The figure pictures for the sex (1 male, 2 female), chosen when a character is accepted; the bare
// figure is loaded into `mainshow`.
void setFigurePictures(World& w, int playerSex);

// The game screen's "Инв.": shows the screen with the store listed and fills the figures from the sheet.
void openInventoryFromGameScreen(World& w);

} // namespace cv
