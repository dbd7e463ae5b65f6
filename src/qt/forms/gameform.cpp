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
    // Screen readers read the story's two texts as one passage, spoken as it comes, as is the partner's
    // line; the screen opens on its first choice, or in a conversation its first answer.
    readAs(g.m1, {&g.m2}, [&g] {
        QString story = QString::fromStdString(g.m1.text.empty() ? g.m1.reading : g.m1.text);
        if (g.m2.visible && !g.m2.text.empty())
            story += (story.isEmpty() ? "" : " ") + QString::fromStdString(g.m2.text);
        return story;
    });
    speaks(g.m1, Speech::ByFocus);
    speaks(g.rep, Speech::ByFocus);
    focusFirst([this, &g]() -> QWidget* {
        if (g.choose.visible)
            for (const auto& c : g.c)
                if (usable(c)) return widget(c);
        for (const auto& a : g.a)
            if (usable(a) && !a.text.empty()) return widget(a);
        return usable(g.mapb) ? widget(g.mapb) : nullptr;
    });
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
