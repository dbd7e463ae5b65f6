// Dialogue mode on the game screen: the partner's line, the answers, and the way back to the map.
#include "dialogue.h"

#include "../assets/assets.h"
#include "../world.h"

namespace cv {

void setDialogue(World& w, const std::string& rep, const std::string& a1, const std::string& a2,
                 const std::string& a3, const std::string& a4, const std::string& a5) {
    auto& g = w.Gameform;
    g.rep.text = rep;
    g.a[0].text = a1;
    g.a[1].text = a2;
    g.a[2].text = a3;
    g.a[3].text = a4;
    g.a[4].text = a5;
}

void enterDialogue(World& w) {
    auto& g = w.Gameform;
    g.choose.visible = false;
    g.ready.visible = false;
    g.rep.text.clear();
    for (auto& a : g.a)
        a.visible = true;
}

void leaveDialogue(World& w) {
    auto& g = w.Gameform;
    g.choose.visible = true;
    g.ready.visible = true;
    for (int i = 0; i < 3; ++i)
        g.a[i].text.clear();
    g.mapb.visible = true;
}

void goToMap(World& w) {
    hide(w.Gameform.window);
    show(w.mapform.window);
    loadPicture(w, w.Gameform.fon, assets::talk);
}

void openMap(World& w) {
    show(w.mapform.window);
    hide(w.Gameform.window);
}

} // namespace cv
