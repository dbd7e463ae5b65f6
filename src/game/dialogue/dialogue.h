// Dialogue mode on the game screen: the partner's line, the answers, and the way back to the map.
#pragma once

#include <string>

namespace cv {

struct World;

void setDialogue(World& w, const std::string& rep, const std::string& a1 = {}, const std::string& a2 = {},
                 const std::string& a3 = {}, const std::string& a4 = {}, const std::string& a5 = {});
void enterDialogue(World& w);
void leaveDialogue(World& w);
void goToMap(World& w);
void openMap(World& w); // shows the map without touching the background picture

} // namespace cv
