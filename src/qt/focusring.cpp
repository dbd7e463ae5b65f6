// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The green frame that shows which control the keyboard went to by Tab.
#include "focusring.h"

#include <QApplication>
#include <QFocusEvent>

#include "form.h"
#include "widgets.h"

namespace cv::qt {

namespace {

// A focus that came by Tab shows the frame; one given by a click or by the game (as a window opens, or to
// a new text for screen readers) does not, so that a player with the mouse sees the screens as they were.
class RingWatcher : public QObject {
  public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::FocusIn) return false;
        auto* w = qobject_cast<QWidget*>(o);
        auto* form = w ? qobject_cast<Form*>(w->window()) : nullptr;
        if (!form) return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        // The window coming back to the front keeps the frame as it was.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        auto* ring = form->findChild<FocusRing*>("focusring");
        const bool byTab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        const bool ownFrame = qobject_cast<PaintedButton*>(w) || w->property("ownFocusFrame").toBool();
        if (!byTab || ownFrame || w == form) {
            if (ring) ring->follow(nullptr);
            return false;
        }
        if (!ring) {
            ring = new FocusRing(form);
            ring->setObjectName("focusring");
        }
        ring->follow(w);
        return false;
    }
};

} // namespace

void installFocusRing() {
    static RingWatcher* watcher = nullptr;
    if (watcher) return;
    watcher = new RingWatcher;
    qApp->installEventFilter(watcher);
}

} // namespace cv::qt
