// Windows of the village map, the fight, the aimed attack, the inventory and the wrist computer.
#include "otherforms.h"

#include <QLabel>

namespace cv::qt {

namespace {
constexpr Qt::WindowFlags kFrameless = Qt::Window | Qt::FramelessWindowHint;

} // namespace

Tmapform::Tmapform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().mapform.window, "mapform", kFrameless) {
    auto& m = d.world().mapform;
    backdrop("map", QRect(0, 0, 581, 601));
    label(m.Label1, "Label1");
    const int names[16] = {12, 15, 16, 3, 13, 5, 7, 14, 6, 8, 4, 2, 9, 10, 11, 17};
    for (int i = 0; i < 16; ++i)
        picture(m.place[i], QString("Image%1").arg(names[i]));
}

Tbattle::Tbattle(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().battle.window, "battle", kFrameless) {
    backdrop("battle", QRect(0, 46, 605, 287));
}

Taccform::Taccform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().accform.window, "accform",
           Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {}

TInvForm::TInvForm(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().InvForm.window, "InvForm", kFrameless) {
    auto& f = d.world().InvForm;
    backdrop("invback", QRect(0, 0, 640, 480));
    picture(f.mainshow, "mainshow");
    picture(f.curshow, "curshow");
    label(f.fwe, "fwe");
    label(f.hp, "hp");
    label(f.fhp, "fhp");
    label(f.min1, "min1");
    label(f.max1, "max1");
    label(f.min2, "min2");
    label(f.max2, "max2");
}

TVesk::TVesk(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().Vesk.window, "Vesk", kFrameless) {
    auto& v = d.world().Vesk;
    backdrop("vesk", QRect(0, 0, 484, 363));
    picture(v.Image2, "Image2", "accept");
    picture(v.Image3, "Image3", "accept");
    label(v.ar, "ar");
    for (int i = 0; i < 5; ++i)
        label(v.z[i], QString("z%1").arg(i + 1));
}

} // namespace cv::qt
