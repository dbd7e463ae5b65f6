// The inventory screen: the list of the store, the item shown, the actions, the hands and the figure.
#include "screen.h"

#include <string>

#include "../assets/assets.h"
#include "../character/sheet.h"
#include "../world.h"

namespace cv {

void setFigurePictures(World& w, int playerSex) {
    w.inventory.showPistolPic = assets::showPistolPath(playerSex);
    w.inventory.showSpearPic = assets::showSpearPath(playerSex);
    w.inventory.showKnifePic = assets::showKnifePath(playerSex);
    loadPicture(w, w.InvForm.mainshow, assets::showBarePath(playerSex));
}

void openInventoryFromGameScreen(World& w) {
    auto& inv = w.InvForm;
    show(inv.window);
    inv.fwe.text = std::to_string(derivedValue(w, screens::dMw));
    inv.hp.text = std::to_string(w.character.hitPoints);
    inv.fhp.text = std::to_string(w.character.maxHitPoints);
    inv.min1.text = "1";
    inv.min2.text = "1";
    inv.max1.text = std::to_string(derivedValue(w, screens::dDam) + 2);
    inv.max2.text = inv.max1.text;
}

} // namespace cv
