// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen's window: story text, choices, conversation lines, side buttons and the menu bar.
#include "gameform.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QRadioButton>

namespace cv::qt {

TGameform::TGameform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().Gameform.window, "Gameform", Role::Screen, Frame::None,
           Placement::MaximizedCentred) {
    auto& g = d.world().Gameform;
    picture(g.fon, "fon");
    // Once the second story text has moved up into the first one's place, the first keeps to the room
    // above it: its text is fitted there rather than run into the second.
    addSync([this, &g] {
        const bool below = g.m2.visible && !g.m2.text.empty() && g.m2.top > g.m1.top;
        const int room = below ? std::min(g.m1.height, g.m2.top - g.m1.top - 2) : g.m1.height;
        if (m1_->contentsMargins().bottom() != g.m1.height - room)
            m1_->setContentsMargins(0, 0, 0, g.m1.height - room);
    });
    m1_ = label(g.m1, "m1");
    m1_->setProperty("announce", true);
    label(g.m2, "m2")->setProperty("announce", true);
    // The partner's line lies under the choice panel, which hides it in choice mode.
    label(g.rep, "rep")->setProperty("announce", true);
    QFrame* choose = panel(g.choose, "choose");
    label(g.Label1, "Label1", choose);
    for (int i = 0; i < 5; ++i) {
        QRadioButton* c = radio(g.c[i], QString("c%1").arg(i + 1), choose);
        c->setFont([] {
            QFont f("MS Sans Serif");
            f.setPixelSize(13);
            f.setBold(true);
            return f;
        }());
        onClick(c);
    }
    onClick(button(g.ready, "ready"));
    // a1 .. a4 answer; a5 takes no click.
    for (int i = 0; i < 5; ++i) {
        ClickLabel* a = label(g.a[i], QString("a%1").arg(i + 1));
        if (i < 4) onClick(a);
    }
    onClick(picture(g.pros, "pros", "pros"));
    onClick(button(g.mapb, "mapb"));
    onClick(button(g.BitBtn2, "BitBtn2"));
    onClick(button(g.BitBtn3, "BitBtn3"));
    onClick(button(g.BitBtn1, "BitBtn1"));

    auto* bar = new QMenuBar(this);
    bar->setObjectName("MainMenu1");
    QMenu* game = bar->addMenu("Игра");
    game->addAction("Сохранить")->setEnabled(false);
    game->addAction("Загрузить")->setEnabled(false);
    onMenu(game->addAction("Выход"), "Игра/Выход");
    QMenu* window = bar->addMenu("Окно");
    onMenu(window->addAction("Шрифт"), "Окно/Шрифт");
    QMenu* help = bar->addMenu("Помощь!!!");
    onMenu(help->addAction("Помощь!!!"), "Помощь!!!/Помощь!!!");
    setMenuBar(bar);
}

bool TGameform::keyPressed(QKeyEvent* e) {
    const auto& g = world().Gameform;
    const int digit = e->key() - Qt::Key_0;
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (g.choose.visible) {
        if (digit >= 1 && digit <= 5 && usable(g.c[static_cast<std::size_t>(digit - 1)])) {
            handle(clickHandler(QString("c%1").arg(digit)));
            return true;
        }
        if (enter && usable(g.ready)) {
            handle(clickHandler("ready"));
            return true;
        }
        return false;
    }
    if (digit >= 1 && digit <= 4 && g.a[static_cast<std::size_t>(digit - 1)].visible) {
        handle(clickHandler(QString("a%1").arg(digit)));
        return true;
    }
    return false;
}

} // namespace cv::qt
