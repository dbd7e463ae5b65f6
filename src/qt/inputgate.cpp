// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gate that keeps the player's input from a window the game has disabled, and the game's dialogs from
// being minimised away.
#include "inputgate.h"

#include <QApplication>
#include <QTimer>

#include "form.h"

namespace cv::qt {

namespace {

// Drops the player's input to a window the game has disabled, before any widget of it sees the input.
class InputGate : public QObject {
  public:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::ToolTip:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
            break;
        case QEvent::WindowStateChange:
            keepUp(o);
            return false;
        default:
            return false;
        }
        auto* w = qobject_cast<QWidget*>(o);
        if (!w) return false;
        auto* form = qobject_cast<Form*>(w->window());
        if (!form || form->takesInput()) return false;
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress) form->inputBlocked();
        return true;
    }

  private:
    // The game's dialogs (the font dialog, a message box) are waited on as its screens are: minimised by
    // the desktop, they come straight back. The screens see to themselves.
    static void keepUp(QObject* o) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isWindow() || qobject_cast<Form*>(w) || !w->isMinimized()) return;
        QTimer::singleShot(0, w, [w] {
            if (w->isVisible() && w->isMinimized()) w->showNormal();
        });
    }
};

} // namespace

void installInputGate() {
    static InputGate* gate = nullptr;
    if (gate) return;
    gate = new InputGate;
    qApp->installEventFilter(gate);
}

} // namespace cv::qt
