// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for window tests: a whole game on the offscreen platform with scripted services.
#include "support.h"

#include <QApplication>
#include <QTest>

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>

#include "qt/inspect.h"
#include "qt/widgets.h"

namespace cv::testqt {

TestGame::TestGame(const QString& assetRoot) {
    qt::Game::Services s;
    s.rng = &rng;
    s.messages = &messages;
    s.fontDialog = &fonts;
    s.quit = [this] { ++quits; };
    s.assetRoot = assetRoot;
    s.realTime = false;
    game = std::make_unique<qt::Game>(s);
    QApplication::processEvents();
}

QWidget* TestGame::control(const QString& window, const QString& name) {
    qt::Form* f = form(window);
    return f ? qt::findControl(f, name) : nullptr;
}

void TestGame::clickAt(QWidget* window, QPoint inWindow) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
    QApplication::processEvents();
}

void TestGame::newGame() {
    click("Menuform", "BitBtn6");
    click("createf", "Image4");
}

QString TestGame::text(const QString& window, const QString& name) {
    return *qt::controlProperty(control(window, name), "text");
}

void TestGame::click(const QString& window, const QString& name) {
    QWidget* w = form(window);
    QWidget* c = control(window, name);
    Q_ASSERT(w && c);
    clickAt(w, c->mapTo(w, c->rect().center()));
}

namespace {

// Where a wrapped label draws its lines, in the window's coordinates: the box of the lines it breaks its
// text into within its contents.
QRect wrappedInkOf(QLabel* l, QWidget* window) {
    const QRect contents = l->contentsRect();
    const QRect lines = QFontMetrics(l->font())
                            .boundingRect(QRect(contents.left(), contents.top(), contents.width(), 1 << 20),
                                          int(l->alignment() & Qt::AlignHorizontal_Mask) | Qt::TextWordWrap,
                                          l->text());
    return lines.translated(l->mapTo(window, QPoint(0, 0)));
}

// Where a one-line label draws its text, in the window's coordinates: the glyphs' tight box.
QRect inkOf(QLabel* l, QWidget* window) {
    if (l->wordWrap()) return wrappedInkOf(l, window);
    const QFontMetrics fm(l->font());
    const QRect contents = l->contentsRect();
    const QRect tight = fm.tightBoundingRect(l->text());
    const int lineHeight = fm.ascent() + fm.descent();
    int baseline = contents.top() + fm.ascent();
    if (l->alignment() & Qt::AlignVCenter)
        baseline = contents.top() + (contents.height() - lineHeight) / 2 + fm.ascent();
    if (l->alignment() & Qt::AlignBottom) baseline = contents.bottom() + 1 - fm.descent();
    int x = contents.left();
    const int advance = fm.horizontalAdvance(l->text());
    if (l->alignment() & Qt::AlignHCenter) x = contents.left() + (contents.width() - advance) / 2;
    if (l->alignment() & Qt::AlignRight) x = contents.right() + 1 - advance;
    return tight.translated(x, baseline).translated(l->mapTo(window, QPoint(0, 0)));
}

// Whether `a` lies above its sibling `b`.
bool above(QWidget* a, QWidget* b) {
    if (!a->parentWidget() || a->parentWidget() != b->parentWidget()) return false;
    const auto siblings = a->parentWidget()->children();
    return siblings.indexOf(a) > siblings.indexOf(b);
}

bool isAncestor(QWidget* maybe, QWidget* of) {
    for (QWidget* p = of->parentWidget(); p; p = p->parentWidget())
        if (p == maybe) return true;
    return false;
}

} // namespace

QStringList textLayoutFaults(QWidget* window, bool strict) {
    QStringList faults;
    const auto controls = qt::controlsOf(window);
    QImage background;
    QRect backgroundRect;
    // The background: the layout's backdrop, or a picture control that fills the whole window.
    QWidget* backgroundWidget = nullptr;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        const bool fills = c->property("picture").isValid() && c->pos() == QPoint(0, 0) &&
                           c->width() >= window->width() / 2 && c->height() >= window->height() / 2;
        if (qobject_cast<qt::Backdrop*>(c) || fills) backgroundWidget = c;
    }
    if (backgroundWidget) {
        background = backgroundWidget->grab().toImage();
        backgroundRect = QRect(backgroundWidget->mapTo(window, QPoint(0, 0)), backgroundWidget->size());
    }
    // What is drawn: visible controls that no picture above them covers (the sheet's panels lie over parts
    // of the screen).
    auto rectOf = [window](QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); };
    QList<QWidget*> shown;
    for (QWidget* c : controls) {
        if (!c->isVisibleTo(window)) continue;
        bool covered = false;
        for (QWidget* other : controls)
            if (other != c && other->property("picture").isValid() && other->isVisibleTo(window) &&
                above(other, c) && rectOf(other).contains(rectOf(c)))
                covered = true;
        if (!covered) shown << c;
    }
    const int rowGap = strict ? 2 : 0;
    // A wrapped text: its lines inside its own contents, clear of every other text.
    for (QWidget* c : shown) {
        auto* l = qobject_cast<QLabel*>(c);
        if (!l || l->text().isEmpty() || !l->wordWrap() || c->property("picture").isValid()) continue;
        const QRect ink = wrappedInkOf(l, window);
        const QString name = l->objectName() + " \"" + l->text().left(40) + "…\"";
        if (!QRect(l->contentsRect().topLeft() + l->mapTo(window, QPoint(0, 0)), l->contentsRect().size())
                 .contains(ink))
            faults << name + " does not fit its label";
        for (QWidget* other : shown) {
            auto* o = qobject_cast<QLabel*>(other);
            if (!o || o == l || o->text().isEmpty() || o->property("picture").isValid()) continue;
            if (ink.intersects(inkOf(o, window))) faults << name + " runs into " + o->objectName();
        }
    }
    for (QWidget* c : shown) {
        auto* l = qobject_cast<QLabel*>(c);
        if (!l || l->text().isEmpty() || l->wordWrap()) continue;
        if (c->property("picture").isValid()) continue;
        const QRect ink = inkOf(l, window);
        const QRect own = rectOf(l);
        const QString name = l->objectName() + " \"" + l->text() + "\"";
        if (!own.contains(ink)) faults << name + " does not fit its label";
        for (QWidget* other : shown) {
            if (!strict) break;
            if (other == c || other == backgroundWidget || isAncestor(other, c)) continue;
            // An empty label draws nothing there.
            if (auto* ol = qobject_cast<QLabel*>(other);
                ol && ol->text().isEmpty() && !ol->property("picture").isValid())
                continue;
            const QRect rect(other->mapTo(window, QPoint(0, 0)), other->size());
            // A picture under the text that holds it whole is the panel it is written on.
            const bool panel = other->property("picture").isValid() && above(c, other) && rect.contains(ink);
            if (rect.intersects(ink) && !panel) faults << name + " overlaps " + other->objectName();
        }
        // Another text: a space's width to either side, `rowGap` clear rows above and below.
        const int space = strict ? QFontMetrics(l->font()).horizontalAdvance(' ') : 0;
        for (QWidget* other : shown) {
            auto* o = qobject_cast<QLabel*>(other);
            if (!o || o == l || o->text().isEmpty() || o->property("picture").isValid()) continue;
            if (ink.adjusted(-space, -rowGap, space, rowGap).intersects(inkOf(o, window)))
                faults << name + " is too close to " + o->objectName();
        }
        // The background's frames: no bright or dim green line within a pixel of the text.
        if (!background.isNull()) {
            const QRect near = ink.adjusted(-1, -1, 1, 1).intersected(backgroundRect);
            bool touches = false;
            for (int y = near.top(); y <= near.bottom() && !touches; ++y)
                for (int x = near.left(); x <= near.right() && !touches; ++x)
                    touches =
                        qGreen(background.pixel(x - backgroundRect.left(), y - backgroundRect.top())) >= 100;
            if (touches) faults << name + " touches the background's lines";
        }
    }
    return faults;
}

} // namespace cv::testqt
