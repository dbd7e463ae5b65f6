// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The builders of a window's widgets, one for each kind of control a screen declares, each keeping its
// widget in step with the control's model; and the wiring of a widget to the control's input.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "form.h"
#include "look.h"
#include "pictureloader.h"
#include "textfit.h"

namespace cv::qt {

namespace {

Qt::CursorShape toShape(Cursor c) {
    switch (c) {
    case Cursor::Hand:
        return Qt::PointingHandCursor;
    case Cursor::Cross:
        return Qt::CrossCursor;
    default:
        return Qt::ArrowCursor;
    }
}

ClickLabel* newLabel(QWidget* parent) {
    auto* w = new ClickLabel(parent);
    w->setTextFormat(Qt::PlainText);
    w->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A text without a click action lets clicks through to what lies beneath, as painted text does.
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    return w;
}

} // namespace

void Form::track(QWidget* w, Control& m) {
    w->setGeometry(m.left, m.top, m.width, m.height);
    stacked_.push_back({w, &m});
}

void Form::syncControl(QWidget* w, const Control& m) {
    if (!ownsGeometry_ && w->geometry() != QRect(m.left, m.top, m.width, m.height))
        w->setGeometry(m.left, m.top, m.width, m.height);
    if (w->isHidden() == m.visible) w->setVisible(m.visible);
    // The control's own flag, whatever its window's state.
    if (w->testAttribute(Qt::WA_ForceDisabled) == m.enabled) w->setEnabled(m.enabled);
    // Hints and texts are compared as the model holds them, to spare a conversion at every redraw.
    std::string& hintSeen = hints_[w];
    if (hintSeen != m.hint || (m.hint.empty() && !w->toolTip().isEmpty())) {
        hintSeen = m.hint;
        w->setToolTip(QString::fromStdString(m.hint));
    }
    if (w->cursor().shape() != toShape(m.cursor)) w->setCursor(toShape(m.cursor));
}

QWidget* Form::makeWidget(const ControlEntry& e, QWidget* parent) {
    Control& c = *e.control;
    QWidget* w = nullptr;
    switch (e.kind) {
    case Kind::Label:
        w = makeLabel(static_cast<Label&>(c), parent);
        break;
    case Kind::Number:
        w = makeNumber(static_cast<NumberLabel&>(c), parent);
        break;
    case Kind::Picture:
        w = makePicture(static_cast<Picture&>(c), parent);
        break;
    case Kind::Button:
        w = makeButton(static_cast<Button&>(c), parent);
        break;
    case Kind::Radio:
        w = makeRadio(static_cast<RadioButton&>(c), parent);
        break;
    case Kind::Panel:
        w = makePanel(static_cast<Panel&>(c), parent);
        break;
    case Kind::Edit:
        return makeEdit(static_cast<Edit&>(c), e, parent);
    case Kind::Combo:
        return makeCombo(static_cast<ComboBox&>(c), e, parent);
    case Kind::List:
        w = makeList(static_cast<ListBox&>(c), parent);
        break;
    case Kind::Log:
    case Kind::Command:
        qFatal("a %s needs a widget of its window's own", e.name.c_str());
    }
    wire(w, e);
    return w;
}

void Form::wire(QWidget* w, const ControlEntry& e) {
    if (e.click) {
        if (auto* label = qobject_cast<ClickLabel*>(w)) {
            label->setPressable();
            connect(label, &ClickLabel::clicked, this, [this, h = e.click] { handle(h); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            connect(button, &QAbstractButton::clicked, this, [this, h = e.click] { handle(h); });
        }
    }
    if (e.pick)
        if (auto* list = qobject_cast<GameList*>(w))
            connect(list, &GameList::picked, this, [this, pick = e.pick](int row) {
                handle([pick, row](World& world) { pick(world, row); });
            });
}

QWidget* Form::makeLabel(Label& m, QWidget* parent) {
    ClickLabel* w = newLabel(parent);
    track(w, m);
    struct Seen {
        std::string text;
        Font font;
        Color color;
        QSize size;
    };
    syncs_.push_back([this, w, &m, seen = Seen{"\x01", {}, {}, {}}]() mutable {
        syncControl(w, m);
        if (w->wordWrap() != m.wordWrap) {
            w->setWordWrap(m.wordWrap);
            // Wrapped texts read from the top; a single line sits in the middle of its row.
            w->setAlignment(Qt::AlignLeft | (m.wordWrap ? Qt::AlignTop : Qt::AlignVCenter));
        }
        if (seen.text != m.text || !(seen.font == m.font) || !(seen.color == m.color) ||
            seen.size != w->contentsRect().size()) {
            seen = {m.text, m.font, m.color, w->contentsRect().size()};
            syncText(w, QString::fromStdString(m.text), m.font, m.color);
        }
        // An empty text may still say something to screen readers.
        if (!w->property("compound").toBool()) {
            const QString reading = m.text.empty() ? QString::fromStdString(m.reading) : QString();
            if (w->accessibleName() != reading) w->setAccessibleName(reading);
        }
    });
    return w;
}

QWidget* Form::makeNumber(NumberLabel& m, QWidget* parent) {
    ClickLabel* w = newLabel(parent);
    track(w, m);
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        syncText(w, QString::number(m.value), m.font, m.color);
    });
    return w;
}

QWidget* Form::makePicture(Picture& m, QWidget* parent) {
    auto* w = new PictureView(parent);
    track(w, m);
    if (!m.layout.empty()) w->setPixmap(layoutPixmap(QString::fromStdString(m.layout)));
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        // A picture has no caption of its own: screen readers name it by the words beside it, or its hint.
        if (!w->property("compound").toBool()) {
            const QString name = QString::fromStdString(m.spoken.empty() ? m.hint : m.spoken);
            if (w->accessibleName() != name) w->setAccessibleName(name);
        }
        const QString file = QString::fromStdString(m.picture);
        if (w->file() != file) {
            const QImage image = pictures_.image(m.picture);
            if (!image.isNull()) w->showImage(image, file);
        }
    });
    return w;
}

QWidget* Form::makeButton(Button& m, QWidget* parent) {
    auto* w = new QPushButton(parent);
    // Reached by Tab and pressed by Enter or Space; a click leaves the keyboard where it was.
    w->setFocusPolicy(Qt::TabFocus);
    w->setAutoDefault(true);
    track(w, m);
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        syncCaption(w, QString::fromStdString(m.caption));
    });
    return w;
}

QWidget* Form::makeRadio(RadioButton& m, QWidget* parent) {
    auto* w = new QRadioButton(parent);
    // The core keeps the group: one selected at most, and none after a reset.
    w->setAutoExclusive(false);
    w->setFocusPolicy(Qt::TabFocus);
    track(w, m);
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        const QString text = QString::fromStdString(m.caption);
        if (w->text() != text) w->setText(text);
        if (w->isChecked() != m.checked) w->setChecked(m.checked);
    });
    return w;
}

QWidget* Form::makePanel(Panel& m, QWidget* parent) {
    auto* w = new QFrame(parent);
    track(w, m);
    syncs_.push_back([this, w, &m] { syncControl(w, m); });
    return w;
}

QWidget* Form::makeEdit(Edit& m, const ControlEntry& e, QWidget* parent) {
    auto* w = new QLineEdit(parent);
    w->setAccessibleName(QString::fromStdString(m.title));
    track(w, m);
    if (e.type)
        connect(w, &QLineEdit::textEdited, this, [this, type = e.type](const QString& text) {
            handle([type, typed = text.toStdString()](World& world) { type(world, typed); });
        });
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        const QString text = QString::fromStdString(m.text);
        if (w->text() != text) w->setText(text);
        w->setReadOnly(m.readOnly);
    });
    return w;
}

QWidget* Form::makeCombo(ComboBox& m, const ControlEntry& e, QWidget* parent) {
    auto* w = new QComboBox(parent);
    w->setEditable(true);
    w->setInsertPolicy(QComboBox::NoInsert);
    w->setAccessibleName(QString::fromStdString(m.title));
    w->lineEdit()->setAccessibleName(w->accessibleName());
    track(w, m);
    for (const auto& item : m.items)
        w->addItem(QString::fromStdString(item));
    w->setCurrentIndex(-1);
    w->setEditText(QString::fromStdString(m.text));
    if (e.type)
        connect(w, &QComboBox::currentTextChanged, this, [this, &m, type = e.type](const QString& text) {
            if (text.toStdString() != m.text)
                handle([type, typed = text.toStdString()](World& world) { type(world, typed); });
        });
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        const QString text = QString::fromStdString(m.text);
        if (w->currentText() != text) w->setEditText(text);
    });
    return w;
}

QWidget* Form::makeList(ListBox& m, QWidget* parent) {
    auto* w = new GameList(parent);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w->setUniformItemSizes(true);
    w->setAccessibleName(QString::fromStdString(m.title));
    track(w, m);
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        QStringList items;
        for (const auto& item : m.items)
            items << QString::fromStdString(item);
        w->showLines(items, m.selected < static_cast<int>(items.size()) ? m.selected : -1);
    });
    return w;
}

void Form::addCommand(const ControlEntry& e) {
    // "MENU/COMMAND": the command in its menu of the window's menu bar, the menus in the order they come.
    const QString path = QString::fromStdString(e.name);
    const QString menuName = path.section('/', 0, 0), caption = path.section('/', 1);
    auto* bar = qobject_cast<QMenuBar*>(menuWidget());
    if (!bar) {
        bar = new QMenuBar(this);
        bar->setObjectName("MainMenu1");
        setMenuBar(bar);
    }
    QMenu* menu = nullptr;
    for (QAction* a : bar->actions())
        if (a->menu() && a->text() == menuName) menu = a->menu();
    if (!menu) menu = bar->addMenu(menuName);
    QAction* action = menu->addAction(caption);
    action->setEnabled(e.control->enabled);
    if (e.click) connect(action, &QAction::triggered, this, [this, h = e.click] { handle(h); });
}

} // namespace cv::qt
