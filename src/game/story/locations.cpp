// The rules of each location's choices, one function per location.
// The village's scenes are filled in location by location; a location without scenes yet does nothing.
#include "locations.h"

#include <array>

#include "../world.h"

namespace cv {

namespace {
void noScenes(World&) {}
} // namespace

LocationRule locationRules(int location) {
    static const std::array<LocationRule, 16> rules{
        noScenes, noScenes, noScenes, noScenes, noScenes, noScenes, noScenes, noScenes,
        noScenes, noScenes, noScenes, noScenes, noScenes, noScenes, noScenes, noScenes};
    return rules.at(static_cast<std::size_t>(location));
}

} // namespace cv
