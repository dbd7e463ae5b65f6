// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the game: clickable texts and pictures as buttons that can be pressed,
// named by their text or hint, and new story texts, partner's lines and fight messages announced.
#include "accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>

#include "widgets.h"

namespace cv::qt {

namespace {

// A text or picture that acts on a click: a button to press, named by its text, or its hint where it
// has none.
class ClickableAccessible : public QAccessibleWidget {
  public:
    explicit ClickableAccessible(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        auto* label = static_cast<ClickLabel*>(widget());
        if (t == QAccessible::Name) {
            if (!label->accessibleName().isEmpty()) return label->accessibleName();
            return label->text().isEmpty() ? label->toolTip() : label->text();
        }
        if (t == QAccessible::Description) return label->toolTip();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<ClickLabel*>(widget())->activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A choice of a group: the game keeps the group itself, so Qt would read it as a check box.
class ChoiceAccessible : public QAccessibleWidget {
  public:
    explicit ChoiceAccessible(QRadioButton* b) : QAccessibleWidget(b, QAccessible::RadioButton) {}
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return button()->accessibleName().isEmpty() ? button()->text() : button()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
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

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == "QRadioButton") return new ChoiceAccessible(static_cast<QRadioButton*>(object));
    if (className != "cv::qt::ClickLabel" && className != "cv::qt::PictureView") return nullptr;
    auto* label = static_cast<ClickLabel*>(object);
    // A text without a click action is read as the text it is.
    if (label->testAttribute(Qt::WA_TransparentForMouseEvents)) return nullptr;
    return new ClickableAccessible(label);
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

void announce(QWidget* label) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace cv::qt
