// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of the village map, the fight, the aimed attack, the inventory and the wrist computer.
#include "otherforms.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>

#include "../accessible.h"
#include "../look.h"

namespace cv::qt {

Tmapform::Tmapform(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().mapform) {
    auto& m = d.world().mapform;
    backdrop("map", QRect(0, 0, 581, 601));
    build();
    for (auto& place : m.place) {
        auto* view = widgetAs<PictureView>(place);
        view->setFocusFrame(true);
        places_.push_back(view);
    }
    focusFirst(places_.front());
    // The window's title is not shown; screen readers name it as its heading does.
    setAccessibleName(QString::fromStdString(m.Label1.text));
    onEscape(m.entry(m.place[screens::kMapBack]).click);
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

Tbattle::Tbattle(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().battle) {
    auto& b = d.world().battle;
    backdrop("battle", QRect(0, 46, 605, 287));
    build();
    widget(b.lose)->setProperty("warning", true); // red lettering
    focusFirst(widget(b.choose));
    readForReaders(b);
}

// For screen readers: the fight's messages pass as they come while the keyboard stays on the actions; the
// figures read as phrases; the enemy is a target to press only while aiming, named with the chance; and
// whose turn it is is said.
void Tbattle::readForReaders(screens::Battle& b) {
    speaks(b.warn, Speech::Notice);
    focusWhenShown(b.vict);
    focusWhenShown(b.lose);
    auto text = [](const Label& l) { return QString::fromStdString(l.text); };
    readAs(b.hp, {&b.Label18, &b.Label6, &b.fhp}, [&b, text] {
        return QString("%1 %2 из %3").arg(text(b.Label18)).arg(b.hp.value).arg(b.fhp.value);
    });
    readAs(b.tp, {&b.Label4}, [&b, text] { return QString("%1 %2").arg(text(b.Label4)).arg(b.tp.value); });
    readAs(b.dis, {&b.Label1}, [&b, text] { return QString("%1 %2").arg(text(b.Label1)).arg(b.dis.value); });
    const auto aiming = [&b] { return b.epic.cursor == Cursor::Cross; };
    readAs(b.epic, {}, [&b, text, aiming] {
        if (!aiming()) return QString();
        return text(b.ename) + ", " + QString::fromStdString(b.epic.hint).replace("%", " %");
    });
    hideFromReaders(widget(b.epic), [aiming] { return !aiming(); });
    addSync([this, &b, text, enemyTurn = false]() mutable {
        if (b.Timer1.running && !enemyTurn) {
            enemyTurn = true;
            say("Ход противника: " + text(b.ename));
        } else if (enemyTurn && !b.Timer1.running && !b.hit.running && b.window.enabled) {
            enemyTurn = false;
            // With where the enemy has come to, which its approach changed.
            if (!b.lose.visible) say(QString("Ваш ход. %1 %2").arg(text(b.Label1)).arg(b.dis.value));
        }
    });
}

bool Tbattle::keyPressed(QKeyEvent* e) {
    const auto& b = world().battle;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (b.epic.cursor == Cursor::Cross && usable(b.epic))
            run(b.epic);
        else if (usable(b.ready))
            run(b.ready);
        return true;
    }
    // E, wherever the keyboard's letters lie (У in the Russian layout).
    if ((e->key() == Qt::Key_E || e->text().toLower() == QString::fromUtf8("у")) && usable(b.endt)) {
        run(b.endt);
        return true;
    }
    return false;
}

Taccform::Taccform(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().accform) {
    auto& a = d.world().accform;
    build();
    widgetAs<QFrame>(a.pric)->setFrameShape(QFrame::Box);
    focusFirst(widget(a.b[0]));
    // Screen readers read each part with its chance: "В ногу, 29 %".
    for (std::size_t i = 0; i < a.b.size(); ++i)
        readAs(a.b[i], {&a.t[i]}, [&part = a.b[i], &chance = a.t[i]] {
            return QString::fromStdString(part.caption) + ", " + QString::fromStdString(chance.text) + " %";
        });
}

bool Taccform::keyPressed(QKeyEvent* e) {
    const auto& a = world().accform;
    const int digit = e->key() - Qt::Key_0;
    if (digit >= 1 && digit <= 5 && usable(a.b[static_cast<std::size_t>(digit - 1)])) {
        run(a.b[static_cast<std::size_t>(digit - 1)]);
        return true;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && usable(a.ready)) {
        run(a.ready);
        return true;
    }
    return false;
}

TInvForm::TInvForm(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().InvForm) {
    auto& f = d.world().InvForm;
    backdrop("invback", QRect(0, 0, 640, 500));
    build();
    widget(f.choose)->setProperty("seeThrough", true); // the frame round it is the background's
    onEscape(f.entry(f.Image2).click);
    focusFirst(widget(f.citem));
    // Screen readers read the figures as phrases: "Груз 0 из 150", "Первая рука: без оружия".
    auto text = [](const Label& l) { return QString::fromStdString(l.text); };
    auto caption = [text](const Label& l) { return text(l).remove(':'); };
    readAs(f.gruz, {&f.gruzCaption, &f.slash, &f.fwe}, [&f, text, caption] {
        return caption(f.gruzCaption) + " " + text(f.gruz) + " из " + text(f.fwe);
    });
    readAs(f.hp, {&f.hpCaption, &f.hpSlash, &f.fhp},
           [&f, text, caption] { return caption(f.hpCaption) + " " + text(f.hp) + " из " + text(f.fhp); });
    readAs(f.numb, {&f.numbCaption},
           [&f, text, caption] { return caption(f.numbCaption) + " " + text(f.numb); });
    for (auto [hand, weapon] : {std::pair{&f.v1, &f.w1}, std::pair{&f.v2, &f.w2}})
        readAs(*hand, {weapon}, [hand, weapon, caption] {
            QString held = caption(*weapon).trimmed();
            if (!held.isEmpty()) held[0] = held[0].toLower();
            return QString::fromStdString(hand->hint) + ": " + held;
        });
}

TVesk::TVesk(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().Vesk) {
    auto& v = d.world().Vesk;
    backdrop("vesk", QRect(0, 0, 484, 363));
    build();
    onEscape(v.entry(v.Image2).click);
    // The places first; the village's name takes the keyboard as it shows. Screen readers hear the quests
    // as one passage on the first line as they appear.
    focusFirst(widget(v.Image3));
    focusWhenShown(v.ar);
    std::vector<const Control*> others;
    for (std::size_t i = 1; i < v.z.size(); ++i)
        others.push_back(&v.z[i]);
    readAs(v.z[0], others, [&v] {
        QStringList lines;
        for (const Label& z : v.z)
            if (z.visible && !z.text.empty()) lines << QString::fromStdString(z.text);
        return lines.join(". ");
    });
    speaks(v.z[0], Speech::ByFocus);
}

TStoryLog::TStoryLog(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().storylog) {
    auto& m = d.world().storylog;
    backdrop("storylog", QRect(0, 0, m.window.width, m.window.height));
    build([this, &m](const ControlEntry& e, QWidget* parent) -> QWidget* {
        return e.control == &m.text ? logView(m.text, parent) : nullptr;
    });
    onEscape(m.entry(m.close).click);
    // The log opens for reading, named by its heading.
    widget(m.text)->setAccessibleName(QString::fromStdString(m.Label1.text));
    focusFirst(widget(m.text));
}

// The log grows; it scrolls within its panel, newest at the bottom. Only what was said since it was last
// drawn is added, so opening it costs the same however long the game.
QWidget* TStoryLog::logView(LogText& m, QWidget* parent) {
    auto* text = new QPlainTextEdit(parent);
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setFont(toQFont(m.font));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setCursorWidth(0); // a log to read, not to write in
    text->setFocusPolicy(Qt::StrongFocus);
    addSync([text, &m, cleared = m.cleared, shown = std::size_t{0}]() mutable {
        if (cleared != m.cleared) {
            cleared = m.cleared;
            shown = 0;
            text->clear();
        }
        if (shown == m.lines.size()) return;
        for (; shown < m.lines.size(); ++shown) {
            // A blank line between two entries.
            if (shown > 0) text->appendPlainText({});
            text->appendPlainText(QString::fromStdString(m.lines[shown]));
        }
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
    });
    return text;
}

} // namespace cv::qt
