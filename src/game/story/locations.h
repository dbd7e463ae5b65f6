// The rules of each location's choices, one function per location.
#pragma once

namespace cv {

struct World;

using LocationRule = void (*)(World&);

// The rule function of location 1..15.
LocationRule locationRules(int location);

} // namespace cv
