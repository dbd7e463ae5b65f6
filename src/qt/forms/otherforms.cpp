// Windows of the village map, the fight, the aimed attack, the inventory and the wrist computer.
#include "otherforms.h"

#include <QLabel>

#include "game/combat/aim.h"
#include "game/combat/battle.h"
#include "game/inventory/screen.h"
#include "game/story/map.h"
#include "game/story/questlog.h"

namespace cv::qt {

namespace {
constexpr Qt::WindowFlags kFrameless = Qt::Window | Qt::FramelessWindowHint;

QString name(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}
} // namespace

Tmapform::Tmapform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().mapform.window, "mapform", kFrameless) {
    auto& m = d.world().mapform;
    backdrop("map", QRect(0, 0, 581, 601));
    label(m.Label1, "Label1");
    for (int i = 0; i < 16; ++i) {
        PictureView* place = picture(m.place[i], name(screens::kPlaceNames[i]));
        if (i == screens::kMapBack)
            onClick(place, mapBackClick);
        else
            onClick(place, [i](World& w) { enterLocation(w, i + 1); });
    }
}

Tbattle::Tbattle(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().battle.window, "battle", kFrameless) {
    auto& b = d.world().battle;
    backdrop("battle", QRect(0, 46, 605, 287));
    picture(b.char_, "char");
    onClick(picture(b.epic, "epic"), battle::epicClick);
    label(b.Label1, "Label1");
    valueLabel(b.dis, "dis");
    label(b.Label2, "Label2");
    label(b.Label3, "Label3");
    label(b.Label18, "Label18");
    valueLabel(b.hp, "hp");
    label(b.Label6, "Label6");
    valueLabel(b.fhp, "fhp");
    label(b.Label4, "Label4");
    valueLabel(b.tp, "tp");
    label(b.cname, "cname");
    label(b.ename, "ename");
    label(b.Label20, "Label20");
    label(b.esos, "esos");
    label(b.Label13, "Label13");
    label(b.wea, "wea");
    label(b.Label11, "Label11");
    valueLabel(b.armor, "armor");
    label(b.Label9, "Label9");
    label(b.min, "min");
    label(b.Label12, "Label12");
    label(b.max, "max");
    label(b.Label7, "Label7");
    label(b.dal, "dal");
    label(b.Label8, "Label8");
    label(b.mag, "mag");
    label(b.Label5, "Label5");
    label(b.ewea, "ewea");
    label(b.Label25, "Label25");
    label(b.earm, "earm");
    label(b.Label24, "Label24");
    label(b.edam, "edam");
    label(b.Label23, "Label23");
    label(b.edal, "edal");
    label(b.warn, "warn");
    list(b.choose, "choose", battle::chooseClick);
    onClick(button(b.ready, "ready"), battle::readyClick);
    onClick(button(b.BitBtn3, "BitBtn3"), battle::BitBtn3Click);
    onClick(button(b.endt, "endt"), battle::endtClick);
    onClick(button(b.vict, "vict"), battle::victClick);
    QPushButton* lose = button(b.lose, "lose");
    lose->setProperty("warning", true); // red lettering
    onClick(lose, battle::loseClick);
    onClick(button(b.BitBtn1, "BitBtn1"), battle::BitBtn1Click);
}

Taccform::Taccform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().accform.window, "accform",
           Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    auto& a = d.world().accform;
    QFrame* pric = panel(a.pric, "pric");
    pric->setFrameShape(QFrame::Box);
    for (int i = 0; i < 5; ++i) {
        const auto part = static_cast<BodyPart>(i + 1);
        onClick(radio(a.b[i], QString("b%1").arg(i + 1), pric),
                [part](World& w) { accform::bClick(w, part); });
        label(a.t[i], QString("t%1").arg(i + 1), pric);
    }
    onClick(button(a.ready, "ready", pric), accform::readyClick);
}

TInvForm::TInvForm(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().InvForm.window, "InvForm", kFrameless) {
    auto& f = d.world().InvForm;
    backdrop("invback", QRect(0, 0, 640, 500));
    list(f.citem, "citem", inv::citemClick);
    QFrame* choose = panel(f.choose, "choose");
    choose->setProperty("seeThrough", true); // the frame round it is the background's
    label(f.chooseTitle, "Label1", choose);
    // Top to bottom: a1, a6, a3, a4, a5, a2.
    for (int n : {1, 6, 3, 4, 5, 2}) {
        const auto action = static_cast<InvAction>(n);
        onClick(radio(f.a[n - 1], QString("a%1").arg(n), choose),
                [action](World& w) { inv::actionClick(w, action); });
    }
    onClick(button(f.ready, "ready", choose), inv::readyClick);
    picture(f.mainshow, "mainshow");
    picture(f.curshow, "curshow");
    onClick(picture(f.v1, "v1"), [](World& w) { inv::handClick(w, 1); });
    onClick(picture(f.v2, "v2"), [](World& w) { inv::handClick(w, 2); });
    label(f.w1, "w1");
    label(f.w2, "w2");
    label(f.dam1Caption, "dc1");
    label(f.min1, "min1");
    label(f.dash1, "dh1");
    label(f.max1, "max1");
    label(f.dam2Caption, "dc2");
    label(f.min2, "min2");
    label(f.dash2, "dh2");
    label(f.max2, "max2");
    label(f.d1Caption, "rc1");
    label(f.d1, "d1");
    label(f.d2Caption, "rc2");
    label(f.d2, "d2");
    label(f.numbCaption, "nc");
    label(f.numb, "numb");
    label(f.gruzCaption, "gc");
    label(f.gruz, "gruz");
    label(f.slash, "gs");
    label(f.fwe, "fwe");
    label(f.hpCaption, "hc");
    label(f.hp, "hp");
    label(f.hpSlash, "hs");
    label(f.fhp, "fhp");
    label(f.mdCaption, "mc");
    label(f.mdc, "mdc");
    for (std::size_t i = 0; i < f.fixed.size(); ++i)
        label(f.fixed[i], QString("fx%1").arg(i + 1));
    label(f.itext, "itext");
    onClick(picture(f.Image2, "Image2", "cancel"), inv::Image2Click);
}

TVesk::TVesk(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().Vesk.window, "Vesk", kFrameless) {
    auto& v = d.world().Vesk;
    backdrop("vesk", QRect(0, 0, 484, 363));
    onClick(picture(v.Image2, "Image2", "accept"), vesk::Image2Click);
    onClick(picture(v.Image3, "Image3", "accept"), vesk::Image3Click);
    onClick(label(v.ar, "ar"), vesk::arClick);
    for (int i = 0; i < 5; ++i)
        label(v.z[i], QString("z%1").arg(i + 1));
}

} // namespace cv::qt
