// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads what a window shows, control by control, for the script player and the window tests.
#include "inspect.h"

#include "form.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace cv::qt {

namespace {

QString flag(bool b) {
    return b ? "1" : "0";
}

QString cursorName(Qt::CursorShape shape) {
    switch (shape) {
    case Qt::PointingHandCursor:
        return "hand";
    case Qt::CrossCursor:
        return "cross";
    default:
        return "arrow";
    }
}

bool isControl(QWidget* w) {
    const QString n = w->objectName();
    if (n.isEmpty() || n.startsWith("qt_") || n.endsWith("_canvas")) return false;
    // Parts of composite widgets (a combo box's line edit, a list's viewport) are not controls.
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractItemView*>(p)) return false;
    return true;
}

const QStringList kProperties{"text",   "visible", "enabled", "checked", "left",  "top",     "width",
                              "height", "picture", "hint",    "cursor",  "items", "selected"};

} // namespace

QList<QWidget*> controlsOf(QWidget* window) {
    QList<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (isControl(w)) out.push_back(w);
    return out;
}

QWidget* findControl(QWidget* window, const QString& name) {
    for (QWidget* w : controlsOf(window))
        if (w->objectName() == name) return w;
    return nullptr;
}

std::optional<QString> controlProperty(QWidget* c, const QString& p) {
    if (p == "visible") return flag(!c->isHidden());
    if (p == "enabled") return flag(!c->testAttribute(Qt::WA_ForceDisabled));
    if (p == "left") return QString::number(c->x());
    if (p == "top") return QString::number(c->y());
    if (p == "width") return QString::number(c->width());
    if (p == "height") return QString::number(c->height());
    if (p == "hint") return c->toolTip();
    if (p == "cursor") return cursorName(c->cursor().shape());
    if (p == "picture") {
        if (!c->property("picture").isValid()) return std::nullopt;
        return c->property("picture").toString();
    }
    if (p == "text") {
        if (auto* l = qobject_cast<QLabel*>(c)) {
            if (c->property("picture").isValid()) return std::nullopt;
            return l->text();
        }
        if (auto* b = qobject_cast<QAbstractButton*>(c)) return b->text();
        if (auto* e = qobject_cast<QLineEdit*>(c)) return e->text();
        if (auto* e = qobject_cast<QPlainTextEdit*>(c)) return e->toPlainText();
        if (auto* cb = qobject_cast<QComboBox*>(c)) return cb->currentText();
        if (auto* m = qobject_cast<QMenuBar*>(c)) {
            QStringList titles;
            for (QAction* a : m->actions())
                titles << a->text();
            return titles.join("|");
        }
        return std::nullopt;
    }
    if (p == "checked") {
        if (auto* b = qobject_cast<QAbstractButton*>(c); b && b->isCheckable()) return flag(b->isChecked());
        return std::nullopt;
    }
    if (p == "items") {
        QStringList items;
        if (auto* l = qobject_cast<QListWidget*>(c)) {
            for (int i = 0; i < l->count(); ++i)
                items << l->item(i)->text();
            return items.join("|");
        }
        if (auto* cb = qobject_cast<QComboBox*>(c)) {
            for (int i = 0; i < cb->count(); ++i)
                items << cb->itemText(i);
            return items.join("|");
        }
        return std::nullopt;
    }
    if (p == "selected") {
        if (auto* l = qobject_cast<QListWidget*>(c)) return QString::number(l->currentRow());
        if (auto* cb = qobject_cast<QComboBox*>(c)) return QString::number(cb->currentIndex());
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> windowProperty(QWidget* w, const QString& p) {
    if (p == "text") return w->windowTitle();
    if (p == "visible") return flag(w->isVisible());
    if (p == "enabled") {
        if (auto* f = qobject_cast<Form*>(w)) return flag(f->takesInput());
        return flag(w->isEnabled());
    }
    if (p == "left") return QString::number(w->x());
    if (p == "top") return QString::number(w->y());
    // A window's size is its client area's, inside the title bar and the border.
    const QWidget* client = qobject_cast<QMainWindow*>(w) ? static_cast<QMainWindow*>(w)->centralWidget() : w;
    if (p == "width") return QString::number(client->width());
    if (p == "height") return QString::number(client->height());
    return std::nullopt;
}

QString describeControl(QWidget* window, QWidget* control) {
    QString line = window->objectName() + "." + control->objectName();
    for (const QString& p : kProperties)
        if (auto v = controlProperty(control, p)) line += " " + p + "=" + *v;
    return line;
}

QString describeWindow(QWidget* window) {
    QString line = window->objectName();
    for (const char* p : {"text", "visible", "enabled", "left", "top", "width", "height"})
        if (auto v = windowProperty(window, p)) line += " " + QString(p) + "=" + *v;
    return line;
}

} // namespace cv::qt
