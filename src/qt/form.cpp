// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Base of every screen's window: its frame, its controls built from its screen's declaration, its redraw,
// and how it sits on the desktop.
#include "form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "accessible.h"
#include "focusring.h"
#include "inputgate.h"
#include "look.h"

namespace cv::qt {

Form::Form(Dispatcher& dispatcher, PictureLoader& pictures, Screen& screen, Placement placement,
           const QString& captionPicture)
    : QMainWindow(nullptr, (screen.window.overOthers ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint),
      dispatcher_(dispatcher), pictures_(pictures), screen_(screen), model_(screen.window),
      placement_(placement) {
    installInputGate();
    installAccessibility();
    installFocusRing();
    const QString name = QString::fromStdString(model_.name);
    setObjectName(name);
    setWindowTitle(QString::fromStdString(model_.caption));
    // A framed window: the game's own title bar, and a one-pixel green border round it all. A window
    // manager's title bar would add minimise and maximise boxes that do nothing for a fixed screen, or
    // hide a screen the game waits on.
    const bool framed = model_.frame != Frame::None;
    const int border = framed ? 1 : 0;
    if (framed) {
        setMenuWidget(new TitleBar(this, model_.frame == Frame::TitleClose, captionPicture));
        setContentsMargins(border, border, border, border);
    }
    const QSize size(model_.width + 2 * border,
                     model_.height + 2 * border + (framed ? TitleBar::kHeight : 0));
    // Hints show over any window of the game, not only the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    if (placement == Placement::MaximizedCentred) {
        // The layout keeps its size in the middle of a larger screen, on black.
        holder_ = new QWidget(this);
        holder_->setObjectName(name + "_holder");
        setCentralWidget(holder_);
        holder_->setMinimumSize(model_.width, model_.height);
        canvas_ = new QWidget(holder_);
        canvas_->setFixedSize(model_.width, model_.height);
    } else {
        canvas_ = new QWidget(this);
        setCentralWidget(canvas_);
    }
    canvas_->setObjectName(name + "_canvas");
    if (placement == Placement::Centred) {
        canvas_->setFixedSize(model_.width, model_.height);
        setFixedSize(size);
    } else if (placement == Placement::Maximized) {
        // A maximized window fills the desktop, and never less than its layout.
        canvas_->setMinimumSize(model_.width, model_.height);
    }
}

void Form::build(const Maker& make) {
    // Where a control has a cover: whether the cover lies in front of it, higher or later in the screen's
    // order at the same height.
    auto index = [this](const Control* c) {
        for (std::size_t i = 0; i < screen_.controls.size(); ++i)
            if (screen_.controls[i].control == c) return i;
        return std::size_t{0};
    };
    for (const ControlEntry& e : screen_.controls) {
        QWidget* parent = e.panel ? widget(*e.panel) : canvas_;
        if (e.kind == Kind::Command) {
            addCommand(e);
            continue;
        }
        QWidget* w = make ? make(e, parent) : nullptr;
        if (!w) {
            w = makeWidget(e, parent);
        } else {
            track(w, *e.control);
            wire(w, e);
        }
        w->setObjectName(QString::fromStdString(e.name));
        widgets_[e.control] = w;
        if (e.cover)
            hideFromReaders(w, [c = e.control, cover = e.cover, later = index(e.cover) > index(e.control)] {
                return cover->visible && (cover->z > c->z || (cover->z == c->z && later));
            });
    }
}

namespace {

// What screen readers read of a text: its accessible name where the window gives one, else its text.
QString readerText(QWidget* w) {
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    const auto* label = qobject_cast<QLabel*>(w);
    return label ? label->text() : QString();
}

} // namespace

void Form::focusWhenShown(const Control& c) {
    focusWhenShown_.emplace_back(widget(c), &c);
    shownSeen_.push_back(c.visible);
}

void Form::speaks(const Control& text, Speech how) {
    spoken_.push_back({widget(text), &text, how, {}});
}

void Form::readAs(const Control& shown, std::vector<const Control*> parts, std::function<QString()> phrase) {
    QWidget* w = widget(shown);
    w->setProperty("compound", true);
    for (const Control* part : parts)
        hideFromReaders(widget(*part), [] { return true; });
    addSync([w, phrase = std::move(phrase)] {
        const QString name = phrase();
        if (w->accessibleName() != name) w->setAccessibleName(name);
    });
}

void Form::say(const QString& text) {
    if (text.isEmpty()) return;
    if (!waiting_.isEmpty() || (isVisible() && !isActiveWindow())) {
        waiting_ << text;
        // Should the desktop never give the window the keyboard, the readers still hear it.
        QTimer::singleShot(1500, this, &Form::sayWaiting);
        return;
    }
    notice(this, text);
}

void Form::sayWaiting() {
    for (const QString& t : std::exchange(waiting_, {}))
        notice(this, t);
}

void Form::reachable() {
    // Tab passes over what acts on a click but shows nothing to press: an empty answer line, the enemy
    // outside the targeting mode, a control under a cover.
    for (const auto& [model, w] : widgets_) {
        auto* label = qobject_cast<ClickLabel*>(w);
        if (!label || !label->pressable()) continue;
        const bool named =
            !label->text().isEmpty() || !label->toolTip().isEmpty() || !label->accessibleName().isEmpty();
        const Qt::FocusPolicy keyboard =
            label->property("ownFocusFrame").toBool() ? Qt::StrongFocus : Qt::TabFocus;
        const Qt::FocusPolicy policy = named && !hiddenFromReaders(label) ? keyboard : Qt::NoFocus;
        if (label->focusPolicy() != policy) label->setFocusPolicy(policy);
    }
    // A text spoken as it comes is read again by Tab while it has something to say.
    for (const Spoken& s : spoken_) {
        if (s.how != Speech::ByFocus) continue;
        const bool says = s.model->visible && !readerText(s.widget).isEmpty() && !hiddenFromReaders(s.widget);
        const Qt::FocusPolicy policy = says ? Qt::TabFocus : Qt::NoFocus;
        if (s.widget->focusPolicy() != policy) s.widget->setFocusPolicy(policy);
    }
}

void Form::speakChanges(bool opening) {
    if (gateSeen_ != model_.enabled) {
        gateSeen_ = model_.enabled;
        windowGateChanged(this);
    }
    if (!model_.visible) return; // a hidden window's new texts are spoken when it shows
    QWidget* focusTo = nullptr;
    for (Spoken& s : spoken_) {
        const QString now =
            s.model->visible && !hiddenFromReaders(s.widget) ? readerText(s.widget) : QString();
        if (now == s.seen) continue;
        s.seen = now;
        if (now.isEmpty()) continue;
        if (s.how == Speech::Notice)
            say(now);
        else if (!focusTo)
            focusTo = s.widget;
    }
    for (std::size_t i = 0; i < focusWhenShown_.size(); ++i) {
        const bool shown = focusWhenShown_[i].second->visible;
        if (shown && !shownSeen_[i]) focusWhenShown_[i].first->setFocus(Qt::OtherFocusReason);
        shownSeen_[i] = shown;
    }
    if (!focusTo) return;
    // A window that opens gives the focus to its first useful control; its new text passes as a message.
    if (opening)
        say(readerText(focusTo));
    else
        speakByFocus(focusTo);
}

QWidget* Form::widget(const Control& c) const {
    const auto at = widgets_.find(&c);
    return at == widgets_.end() ? nullptr : at->second;
}

void Form::run(const Control& c) {
    handle(screen_.entry(c).click);
}

Backdrop* Form::backdrop(const QString& layoutPicture, const QRect& where) {
    auto* b = new Backdrop(canvas_, layoutImage(layoutPicture));
    b->setObjectName("backdrop");
    b->setGeometry(where);
    b->lower();
    return b;
}

void Form::paintEvent(QPaintEvent* e) {
    QMainWindow::paintEvent(e);
    if (model_.frame == Frame::None) return;
    QPainter p(this);
    p.setPen(QColor(0, 255, 0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Form::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // The messages that came as the window opened, once the readers have said the window and its focus.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !waiting_.isEmpty())
        QTimer::singleShot(0, this, &Form::sayWaiting);
    // No screen of the game can be minimised: the game waits on what it shows. Whatever a desktop offers to
    // minimise it with, it comes straight back.
    if (e->type() == QEvent::WindowStateChange && isMinimized() && model_.visible)
        QTimer::singleShot(0, this, [this] {
            if (model_.visible && isMinimized()) showPlaced();
        });
}

void Form::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // A window opens with its lists at their first lines (a fight's actions from "Идти влево"). The view's
    // own pending layout is done first, or it would scroll back to its current line after.
    for (GameList* list : findChildren<GameList*>()) {
        list->doItemsLayout();
        list->scrollToTop();
    }
    // A window that opens puts the keyboard on its first useful control; one the desktop brings back keeps
    // the control it had.
    if (e->spontaneous()) return;
    if (QWidget* first = firstFocus_ ? firstFocus_() : nullptr) first->setFocus(Qt::OtherFocusReason);
}

void Form::inputBlocked() {
    if (dispatcher_.inputBlocked) dispatcher_.inputBlocked(model_);
}

void Form::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (holder_)
        canvas_->move(std::max(0, (holder_->width() - canvas_->width()) / 2),
                      std::max(0, (holder_->height() - canvas_->height()) / 2));
    layOut();
}

void Form::sync() {
    beforeSync();
    for (auto& s : syncs_)
        s();
    if (ownsGeometry_) layOut();

    // Stacking among siblings: the screen's order, then the order in which controls were brought to the
    // front.
    std::stable_sort(stacked_.begin(), stacked_.end(),
                     [](const Stacked& a, const Stacked& b) { return a.model->z < b.model->z; });
    std::vector<QWidget*> order;
    order.reserve(stacked_.size());
    for (const Stacked& s : stacked_)
        order.push_back(s.widget);
    if (order != stackOrder_) {
        stackOrder_ = order;
        for (QWidget* w : order)
            w->raise();
    }

    const QString caption = QString::fromStdString(model_.caption);
    if (windowTitle() != caption) setWindowTitle(caption);
    const bool opening = model_.visible && !isVisible();
    reachable();
    if (model_.visible) {
        if (!isVisible()) {
            takeOwner();
            place();
            showPlaced();
        }
        if (raiseSeen_ != model_.raiseRequests) {
            raiseSeen_ = model_.raiseRequests;
            raise();
            activateWindow();
        }
    } else if (isVisible()) {
        hide();
    }
    speakChanges(opening);
}

void Form::takeOwner() {
    QWidget* owner = model_.owner && dispatcher_.windowOf ? dispatcher_.windowOf(*model_.owner) : nullptr;
    if (owner) owner->winId();
    winId();
    windowHandle()->setTransientParent(owner ? owner->windowHandle() : nullptr);
}

void Form::place() {
    // Centred once; after that the window stays where the player moved it.
    if (placed_ || placement_ != Placement::Centred) return;
    placed_ = true;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form::showPlaced() {
    if (placement_ != Placement::Centred) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
        showMaximized();
    } else {
        showNormal();
    }
}

void Form::keyPressEvent(QKeyEvent* e) {
    if (keyPressed(e)) return;
    if (e->key() == Qt::Key_Escape && escape_) {
        handle(escape_);
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void Form::closeEvent(QCloseEvent* e) {
    // Closing by the frame does what the screen says; a screen that says nothing stays, so that no screen
    // the game waits on can vanish.
    e->ignore();
    handle(model_.close);
}

} // namespace cv::qt
