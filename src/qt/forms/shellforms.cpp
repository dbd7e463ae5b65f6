// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of the start-up screens: the main menu, credits, help and the font dialog's host.
#include "shellforms.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>


namespace cv::qt {

// The main menu also comes up over the frozen game screen at the end of a game lost by stealing.
TMenuform::TMenuform(Dispatcher& d, PictureLoader& p)
    : Form(d, p, d.world().Menuform, Placement::Centred, "menutitle") {
    // The buttons are painted into the menu's pictures, so the first window of the game draws no text.
    backdrop("menu", QRect(0, 0, 432, 425));
    build([this](const ControlEntry& e, QWidget* parent) -> QWidget* {
        auto* button = new PaintedButton(parent, "menu_lit", "menu_down");
        button->setFocusPolicy(Qt::StrongFocus);
        auto& m = static_cast<Button&>(*e.control);
        addSync([button, &m] {
            const QString text = QString::fromStdString(m.caption);
            if (button->text() != text) button->setText(text);
        });
        return button;
    });
    focusFirst(widget(d.world().Menuform.BitBtn6));
}

Tauth::Tauth(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().auth) {
    build();
    widget(d.world().auth.Label1)->setContentsMargins(6, 0, 6, 0);
    onEscape(d.world().auth.window.close); // as its close box
}

void Tauth::place() {
    const QWidget* menu = model().owner ? dispatcher_.windowOf(*model().owner) : nullptr;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!menu || !screen) return Form::place();
    // Under the menu where the screen has room, above it otherwise.
    const QRect free = screen->availableGeometry();
    const QRect over = menu->frameGeometry();
    const int below = over.bottom() + 8, above = over.top() - 8 - height();
    const int top = below + height() <= free.bottom() ? below : std::max(free.top(), above);
    move(over.center().x() - width() / 2, top);
}

Thelp::Thelp(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().help, Placement::Maximized) {
    auto& h = d.world().help;
    ownGeometry();
    build();
    for (const ControlEntry& e : h.controls)
        flow_.push_back(widgetAs<QLabel>(*e.control));
    // The text runs as long as it needs and scrolls on a screen too small for it.
    scroll_ = new QScrollArea;
    scroll_->setObjectName("scroll");
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setFocusPolicy(Qt::StrongFocus);
    QWidget* page = takeCentralWidget();
    page->setMinimumSize(0, 0);
    scroll_->setWidget(page);
    setCentralWidget(scroll_);
    setFocusProxy(scroll_);
    onEscape(h.window.close); // as the window's close box
}

void Thelp::layOut() {
    const int width = std::max(scroll_->viewport()->width(), 300) - 32;
    int top = 8;
    for (QLabel* l : flow_) {
        const int height = l->wordWrap() ? l->heightForWidth(width) : l->sizeHint().height();
        l->setGeometry(16, top, width, height);
        top += height + 10;
    }
    canvas()->setMinimumHeight(top);
}

bool Thelp::keyPressed(QKeyEvent* e) {
    QScrollBar* bar = scroll_->verticalScrollBar();
    switch (e->key()) {
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    case Qt::Key_Up:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Down:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    default:
        return false;
    }
}

Tfonts::Tfonts(Dispatcher& d, PictureLoader& p) : Form(d, p, d.world().fonts) {
    build();
}

} // namespace cv::qt
