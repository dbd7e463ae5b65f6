// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen's window: story text, choices, conversation lines, side buttons and the menu bar.
#include "gameform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

namespace cv::qt {

TGameform::TGameform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().Gameform, Placement::MaximizedCentred) {
    auto& g = d.world().Gameform;
    build();
    // The story's texts and the partner's line are announced as they come.
    for (const Label* text : {&g.m1, &g.m2, &g.rep})
        widget(*text)->setProperty("announce", true);
    QFont choice("MS Sans Serif");
    choice.setPixelSize(13);
    choice.setBold(true);
    for (const auto& c : g.c)
        widget(c)->setFont(choice);
}

void TGameform::beforeSync() {
    // Once the second story text has moved up into the first one's place, the first keeps to the room
    // above it: its text is fitted there rather than run into the second.
    const auto& g = world().Gameform;
    const bool below = g.m2.visible && !g.m2.text.empty() && g.m2.top > g.m1.top;
    const int room = below ? std::min(g.m1.height, g.m2.top - g.m1.top - 2) : g.m1.height;
    QWidget* m1 = widget(g.m1);
    if (m1->contentsMargins().bottom() != g.m1.height - room)
        m1->setContentsMargins(0, 0, 0, g.m1.height - room);
}

bool TGameform::keyPressed(QKeyEvent* e) {
    const auto& g = world().Gameform;
    const int digit = e->key() - Qt::Key_0;
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (g.choose.visible) {
        if (digit >= 1 && digit <= 5 && usable(g.c[static_cast<std::size_t>(digit - 1)])) {
            run(g.c[static_cast<std::size_t>(digit - 1)]);
            return true;
        }
        if (enter && usable(g.ready)) {
            run(g.ready);
            return true;
        }
        return false;
    }
    if (digit >= 1 && digit <= 4 && g.a[static_cast<std::size_t>(digit - 1)].visible) {
        run(g.a[static_cast<std::size_t>(digit - 1)]);
        return true;
    }
    return false;
}

} // namespace cv::qt
