// The village map, the combat and aimed-attack screens, the inventory and the wrist computer.
#pragma once

#include <array>

#include "../controls.h"

namespace cv::screens {

struct Mapform {
    Window window;
    Label Label1;
    // The fifteen location pictures in location order (1 .. 15), then the back picture.
    std::array<Picture, 16> place;
    Mapform();
};

struct Battle {
    Window window;
    Timer Timer1, hit;
    Battle();
};

struct Accform {
    Window window;
    Accform();
};

struct InvForm {
    Window window;
    Picture mainshow, curshow;
    Label fwe, hp, fhp, min1, max1, min2, max2;
    InvForm();
};

struct Vesk {
    Window window;
    Picture Image2, Image3;
    Label ar;
    std::array<Label, 5> z; // z1 .. z5
    Vesk();
};

} // namespace cv::screens
