// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of the village map, the fight, the aimed attack, the inventory and the wrist computer.
#include "otherforms.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>

#include "../look.h"

namespace cv::qt {

namespace {
QString name(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}
} // namespace

Tmapform::Tmapform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().mapform.window, "mapform", Role::Screen, Frame::None) {
    auto& m = d.world().mapform;
    backdrop("map", QRect(0, 0, 581, 601));
    label(m.Label1, "Label1");
    for (int i = 0; i < 16; ++i) {
        PictureView* place = picture(m.place[i], name(screens::kPlaceNames[i]));
        place->setFocusFrame(true);
        onClick(place);
        places_.push_back(place);
    }
    focusFirst(places_.front());
    onEscape(clickHandler(name(screens::kPlaceNames[screens::kMapBack])));
}

bool Tmapform::keyPressed(QKeyEvent* e) {
    QWidget* focused = focusWidget();
    // The arrows go to the nearest place that way; Enter is the place's own.
    QPoint way;
    switch (e->key()) {
    case Qt::Key_Left:
        way = {-1, 0};
        break;
    case Qt::Key_Right:
        way = {1, 0};
        break;
    case Qt::Key_Up:
        way = {0, -1};
        break;
    case Qt::Key_Down:
        way = {0, 1};
        break;
    default:
        return false;
    }
    const QPoint from = focused ? focused->geometry().center() : QPoint(0, 0);
    PictureView* best = nullptr;
    double bestCost = 0;
    for (PictureView* place : places_) {
        const QPoint d = place->geometry().center() - from;
        const int along = d.x() * way.x() + d.y() * way.y();
        if (place == focused || along <= 0) continue;
        const int across = std::abs(d.x() * way.y()) + std::abs(d.y() * way.x());
        const double cost = along + 2.0 * across;
        if (!best || cost < bestCost) best = place, bestCost = cost;
    }
    if (best) best->setFocus(Qt::OtherFocusReason);
    return true;
}

Tbattle::Tbattle(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().battle.window, "battle", Role::Screen, Frame::None) {
    auto& b = d.world().battle;
    backdrop("battle", QRect(0, 46, 605, 287));
    picture(b.char_, "char");
    onClick(picture(b.epic, "epic"));
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
    label(b.warn, "warn")->setProperty("announce", true);
    focusFirst(list(b.choose, "choose"));
    onClick(button(b.ready, "ready"));
    onClick(button(b.BitBtn3, "BitBtn3"));
    onClick(button(b.endt, "endt"));
    onClick(button(b.vict, "vict"));
    QPushButton* lose = button(b.lose, "lose");
    lose->setProperty("warning", true); // red lettering
    onClick(lose);
    onClick(button(b.BitBtn1, "BitBtn1"));
}

bool Tbattle::keyPressed(QKeyEvent* e) {
    const auto& b = world().battle;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (b.epic.cursor == Cursor::Cross && usable(b.epic))
            handle(clickHandler("epic"));
        else if (usable(b.ready))
            handle(clickHandler("ready"));
        return true;
    }
    // E, wherever the keyboard's letters lie (У in the Russian layout).
    if ((e->key() == Qt::Key_E || e->text().toLower() == QString::fromUtf8("у")) && usable(b.endt)) {
        handle(clickHandler("endt"));
        return true;
    }
    return false;
}

Taccform::Taccform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().accform.window, "accform", Role::Secondary, Frame::Title) {
    auto& a = d.world().accform;
    QFrame* pric = panel(a.pric, "pric");
    pric->setFrameShape(QFrame::Box);
    for (int i = 0; i < 5; ++i) {
        onClick(radio(a.b[i], QString("b%1").arg(i + 1), pric));
        label(a.t[i], QString("t%1").arg(i + 1), pric);
    }
    onClick(button(a.ready, "ready", pric));
}

bool Taccform::keyPressed(QKeyEvent* e) {
    const auto& a = world().accform;
    const int digit = e->key() - Qt::Key_0;
    if (digit >= 1 && digit <= 5 && usable(a.b[static_cast<std::size_t>(digit - 1)])) {
        handle(clickHandler(QString("b%1").arg(digit)));
        return true;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && usable(a.ready)) {
        handle(clickHandler("ready"));
        return true;
    }
    return false;
}

TInvForm::TInvForm(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().InvForm.window, "InvForm", Role::Secondary, Frame::None) {
    auto& f = d.world().InvForm;
    backdrop("invback", QRect(0, 0, 640, 500));
    list(f.citem, "citem");
    QFrame* choose = panel(f.choose, "choose");
    choose->setProperty("seeThrough", true); // the frame round it is the background's
    label(f.chooseTitle, "Label1", choose);
    // Top to bottom: a1, a6, a3, a4, a5, a2.
    for (int n : {1, 6, 3, 4, 5, 2})
        onClick(radio(f.a[n - 1], QString("a%1").arg(n), choose));
    onClick(button(f.ready, "ready", choose));
    picture(f.mainshow, "mainshow");
    picture(f.curshow, "curshow");
    onClick(picture(f.v1, "v1"));
    onClick(picture(f.v2, "v2"));
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
    onClick(picture(f.Image2, "Image2", "cancel"));
    onEscape(clickHandler("Image2"));
}

TVesk::TVesk(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().Vesk.window, "Vesk", Role::Secondary, Frame::None) {
    auto& v = d.world().Vesk;
    backdrop("vesk", QRect(0, 0, 484, 363));
    onClick(picture(v.Image2, "Image2", "accept"));
    onClick(picture(v.Image3, "Image3", "accept"));
    onClick(label(v.ar, "ar"));
    for (int i = 0; i < 5; ++i)
        label(v.z[i], QString("z%1").arg(i + 1));
    onEscape(clickHandler("Image2"));
}

TStoryLog::TStoryLog(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().storylog.window, "storylog", Role::Secondary, Frame::None) {
    auto& m = d.world().storylog;
    backdrop("storylog", QRect(0, 0, m.window.width, m.window.height));
    label(m.Label1, "Label1");
    // The log grows; it scrolls within its panel, newest at the bottom. Only what was said since it was
    // last drawn is added, so opening it costs the same however long the game.
    auto* text = new QPlainTextEdit(canvas());
    text->setObjectName("text");
    text->setGeometry(m.text.left, m.text.top, m.text.width, m.text.height);
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setFont(toQFont(m.text.font));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setCursorWidth(0); // a log to read, not to write in
    text->setFocusPolicy(Qt::StrongFocus);
    addSync([text, &m, cleared = m.text.cleared, shown = std::size_t{0}]() mutable {
        if (cleared != m.text.cleared) {
            cleared = m.text.cleared;
            shown = 0;
            text->clear();
        }
        if (shown == m.text.lines.size()) return;
        for (; shown < m.text.lines.size(); ++shown) {
            // A blank line between two entries.
            if (shown > 0) text->appendPlainText({});
            text->appendPlainText(QString::fromStdString(m.text.lines[shown]));
        }
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    });
    onClick(button(m.close, "close"));
    onEscape(clickHandler("close"));
}

} // namespace cv::qt
