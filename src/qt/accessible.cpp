// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the game and what they speak: clickable texts and pictures as buttons to
// press, plain texts as texts, decorations and covered texts kept off the bus, the controls of a window the
// game disables read as disabled; new texts spoken by moving the focus to them, passing messages as
// notifications.
#include "accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "form.h"
#include "widgets.h"

namespace cv::qt {

namespace {

QHash<const QObject*, std::function<bool()>>& hiders() {
    static QHash<const QObject*, std::function<bool()>> all;
    return all;
}

// A window the game disables keeps its look and only stops taking input; its controls read as disabled.
bool gated(const QWidget* w) {
    const auto* form = qobject_cast<const Form*>(w->window());
    return form && !form->takesInput();
}

// What every control the game builds reports besides Qt's own: off the bus while hidden from readers or
// nameless, disabled while its window takes no input.
class GameAccessible : public QAccessibleWidget {
  public:
    GameAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        // An object reported invisible drops out of every reader's walk over what shows.
        if (s.invisible || hiddenFromReaders(widget()) || text(QAccessible::Name).isEmpty()) {
            s.invisible = true;
            s.focusable = false;
        }
        if (gated(widget())) s.disabled = true;
        return s;
    }
};

// A text, read as a label (a text the game gives the focus to is spoken); or, where it acts on a click, a
// button to press, named by its text, or by its hint where it has none. A picture that acts on no click is
// decoration, kept off the bus. Whether it acts on a click is asked each time: it is wired after it is made.
class LabelAccessible : public GameAccessible {
  public:
    explicit LabelAccessible(ClickLabel* label) : GameAccessible(label, QAccessible::StaticText) {}
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
    bool picture() const { return qobject_cast<PictureView*>(label()) != nullptr; }

    QAccessible::Role role() const override {
        if (label()->pressable()) return QAccessible::Button;
        return picture() ? QAccessible::Graphic : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (!label()->accessibleName().isEmpty()) return label()->accessibleName();
            if (!label()->pressable()) return picture() ? QString() : label()->text();
            return label()->text().isEmpty() ? label()->toolTip() : label()->text();
        }
        if (t == QAccessible::Description) return {};
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = GameAccessible::state();
        if (picture() && !label()->pressable()) s.invisible = true;
        return s;
    }
    QStringList actionNames() const override {
        if (!label()->pressable()) return {};
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && label()->pressable())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A push button of a screen.
class ButtonAccessible : public GameAccessible {
  public:
    explicit ButtonAccessible(QPushButton* b) : GameAccessible(b, QAccessible::Button) {}
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return button()->accessibleName().isEmpty() ? button()->text() : button()->accessibleName();
        if (t == QAccessible::Description) return button()->toolTip();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A choice of a group: the game keeps the group itself, so Qt would read it as a check box.
class ChoiceAccessible : public GameAccessible {
  public:
    explicit ChoiceAccessible(QRadioButton* b) : GameAccessible(b, QAccessible::RadioButton) {}
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return button()->accessibleName().isEmpty() ? button()->text() : button()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = GameAccessible::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// The window's passing message, read by its name.
class NoticeAccessible : public QAccessibleWidget {
  public:
    explicit NoticeAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
    }
};

// Drawn for sighted players only.
class InvisibleAccessible : public QAccessibleWidget {
  public:
    explicit InvisibleAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
};

// Qt asks for a widget's accessible as soon as the widget exists; what the interfaces report is therefore
// decided when a reader asks, never when they are made.
QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == "cv::qt::Notice") return new NoticeAccessible(static_cast<QWidget*>(object));
    if (className == "cv::qt::FocusRing") return new InvisibleAccessible(static_cast<QWidget*>(object));
    if (className == "QRadioButton") return new ChoiceAccessible(static_cast<QRadioButton*>(object));
    if (className == "QPushButton") return new ButtonAccessible(static_cast<QPushButton*>(object));
    if (className == "cv::qt::PictureView" || className == "cv::qt::ClickLabel")
        return new LabelAccessible(static_cast<ClickLabel*>(object));
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

void hideFromReaders(QWidget* w, std::function<bool()> hide) {
    if (!hiders().contains(w)) QObject::connect(w, &QObject::destroyed, [w] { hiders().remove(w); });
    hiders().insert(w, std::move(hide));
}

bool hiddenFromReaders(const QWidget* w) {
    const auto at = hiders().constFind(w);
    return at != hiders().constEnd() && at.value()();
}

void speakByFocus(QWidget* text) {
    if (text->focusPolicy() == Qt::NoFocus) text->setFocusPolicy(Qt::TabFocus);
    if (!text->hasFocus()) {
        text->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!QAccessible::isActive()) return;
    // The readers speak the focus only when it moves to another object: the text becomes one.
    if (QAccessibleInterface* old = QAccessible::queryAccessibleInterface(text))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    QAccessibleEvent focus(text, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void notice(QWidget* window, const QString& text) {
    if (!QAccessible::isActive() || text.isEmpty()) return;
    // Each message its own object: a reader reads a notification's name when it comes to the event, which
    // may be after the next message, so one object renamed would be read twice with the later text.
    auto* n = new Notice(window);
    n->setAccessibleName(text);
    n->show();
    // Hidden once the readers have had it, so that no stale message stays on the bus; gone a while later.
    QTimer::singleShot(0, n, [n] { n->hide(); });
    QTimer::singleShot(10000, n, &QObject::deleteLater);
}

void windowGateChanged(QWidget* window) {
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    changed.disabled = true;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<ClickLabel*>(w)) continue;
        QAccessibleStateChangeEvent e(w, changed);
        QAccessible::updateAccessibility(&e);
    }
}

} // namespace cv::qt
