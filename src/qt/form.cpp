// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Base of every screen's window: builds controls from the core's models and copies the models onto them.
#include "form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "accessible.h"
#include "look.h"
#include "pictureloader.h"

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

void setTextColor(QWidget* w, const Color& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, toQColor(c));
    p.setColor(QPalette::Text, toQColor(c));
    // The style sheet names no colour for texts, so the palette's holds.
    w->setPalette(p);
}

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

void installInputGate() {
    static InputGate* gate = nullptr;
    if (gate) return;
    gate = new InputGate;
    qApp->installEventFilter(gate);
}

} // namespace

Form::Form(Dispatcher& dispatcher, PictureLoader& pictures, Window& model, const QString& name, Role role,
           Frame frame, Placement placement, const QString& captionPicture)
    : QMainWindow(nullptr, (role == Role::Secondary ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint),
      dispatcher_(dispatcher), pictures_(pictures), model_(model), placement_(placement), frame_(frame) {
    installInputGate();
    installAccessibility();
    setObjectName(name);
    setWindowTitle(QString::fromStdString(model.caption));
    // A framed window: the title bar, and a one-pixel green border round it all.
    const int border = frame == Frame::None ? 0 : 1;
    if (frame != Frame::None) {
        setMenuWidget(new TitleBar(this, frame == Frame::TitleClose, captionPicture));
        setContentsMargins(border, border, border, border);
    }
    const QSize framed(model.width + 2 * border,
                       model.height + 2 * border + (frame == Frame::None ? 0 : TitleBar::kHeight));
    // Hints show over any window of the game, not only the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    if (placement == Placement::MaximizedCentred) {
        // The layout keeps its size in the middle of a larger screen, on black.
        holder_ = new QWidget(this);
        holder_->setObjectName(name + "_holder");
        setCentralWidget(holder_);
        holder_->setMinimumSize(model.width, model.height);
        canvas_ = new QWidget(holder_);
        canvas_->setFixedSize(model.width, model.height);
    } else {
        canvas_ = new QWidget(this);
        setCentralWidget(canvas_);
    }
    canvas_->setObjectName(name + "_canvas");
    if (placement == Placement::Centred) {
        canvas_->setFixedSize(model.width, model.height);
        setFixedSize(framed);
    } else if (placement == Placement::Maximized) {
        // A maximized window fills the desktop, and never less than its layout.
        canvas_->setMinimumSize(model.width, model.height);
    }
}

void Form::paintEvent(QPaintEvent* e) {
    QMainWindow::paintEvent(e);
    if (frame_ == Frame::None) return;
    QPainter p(this);
    p.setPen(QColor(0, 255, 0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Form::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
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
    QWidget* has = focusWidget();
    if (firstFocus_ && (!has || !has->isVisible() || !has->isEnabled())) firstFocus_->setFocus(Qt::OtherFocusReason);
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
        // A picture has no caption: screen readers name it by its hint.
        if (qobject_cast<PictureView*>(w)) w->setAccessibleName(w->toolTip());
    }
    if (w->cursor().shape() != toShape(m.cursor)) w->setCursor(toShape(m.cursor));
}

namespace {

// Whether a one-line text drawn in `font`, centred on the label's height, is drawn whole inside it.
bool inkFits(const QLabel* w, const QString& text, const QFont& font) {
    const QFontMetrics fm(font);
    const QRect box = w->contentsRect();
    // Most texts fit by their line alone; only a tight one needs its glyphs measured.
    if (fm.horizontalAdvance(text) <= box.width() && fm.ascent() + fm.descent() <= box.height()) return true;
    const int baseline =
        w->contentsRect().top() + (w->contentsRect().height() - fm.ascent() - fm.descent()) / 2 + fm.ascent();
    const QRect ink = fm.tightBoundingRect(text).translated(w->contentsRect().left(), baseline);
    return box.contains(ink);
}

} // namespace

int largestFittingSize(int size, const std::function<bool(int)>& fits) {
    if (size <= 7 || fits(size)) return size;
    // `above` does not fit; `below` fits, or is 7, which is taken when nothing larger fits. A text takes
    // more room the larger its font, so the interval between them can be halved.
    int below = 7, above = size;
    while (above - below > 1) {
        const int middle = below + (above - below) / 2;
        (fits(middle) ? below : above) = middle;
    }
    return below;
}

namespace {

// The layout's fonts are those of another system; the faces standing in for them here draw larger. A
// text is drawn at its layout size, or at the largest smaller size that keeps it inside its label (a
// wrapped one within the label's height), so that no text runs into its neighbour or is cut off.
QFont fittedFont(const QLabel* w, const QString& text, QFont font) {
    if (text.isEmpty()) return font;
    const QRect box = w->contentsRect();
    auto at = [font](int size) {
        QFont f = font;
        f.setPixelSize(size);
        return f;
    };
    if (w->wordWrap()) {
        // A wrapped text keeps to the lines its label has room for.
        font.setPixelSize(largestFittingSize(font.pixelSize(), [&](int size) {
            return QFontMetrics(at(size))
                       .boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap, text)
                       .height() <= box.height();
        }));
        return font;
    }
    font.setPixelSize(
        largestFittingSize(font.pixelSize(), [&](int size) { return inkFits(w, text, at(size)); }));
    return font;
}

// Text, font and colour of a label, touched only when they change.
void syncText(QLabel* w, const QString& text, const Font& font, const Color& color) {
    if (w->text() != text) {
        w->setText(text);
        // The story's texts, the partner's line and the fight's message are announced as they come.
        if (w->property("announce").toBool() && !text.isEmpty()) announce(w);
    }
    // The fitting is measured again only when the text, the font or the label's size changes.
    const QString key = text + '|' + QString::fromStdString(font.family) + '|' +
                        QString::number(font.pixelSize) + (font.bold ? "b|" : "|") +
                        QString::number(w->contentsRect().width()) + 'x' +
                        QString::number(w->contentsRect().height()) +
                        (w->wordWrap() ? "w" : "");
    if (w->property("fitKey").toString() != key) {
        w->setProperty("fitKey", key);
        const QFont f = fittedFont(w, text, toQFont(font));
        if (w->font() != f) w->setFont(f);
    }
    // Bright green is the palette's own; other colours are set on the label.
    const QString colour = toQColor(color).name();
    const QVariant before = w->property("color");
    if ((before.isValid() || !(color == brightGreen)) && before.toString() != colour) {
        w->setProperty("color", colour);
        setTextColor(w, color);
    }
}

} // namespace

ClickLabel* Form::newLabel(Control& m, const QString& name, QWidget* parent) {
    auto* w = new ClickLabel(parent ? parent : canvas_);
    w->setObjectName(name);
    w->setTextFormat(Qt::PlainText);
    w->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A text without a click action lets clicks through to what lies beneath, as painted text does.
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    track(w, m);
    return w;
}

ClickLabel* Form::label(Label& m, const QString& name, QWidget* parent) {
    ClickLabel* w = newLabel(m, name, parent);
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
    });
    return w;
}

ClickLabel* Form::valueLabel(NumberLabel& m, const QString& name, QWidget* parent) {
    ClickLabel* w = newLabel(m, name, parent);
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        syncText(w, QString::number(m.value), m.font, m.color);
    });
    return w;
}

PictureView* Form::picture(Picture& m, const QString& name, const QString& layoutPicture, QWidget* parent) {
    auto* w = new PictureView(parent ? parent : canvas_);
    w->setObjectName(name);
    track(w, m);
    if (!layoutPicture.isEmpty()) w->setPixmap(layoutPixmap(layoutPicture));
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        const QString file = QString::fromStdString(m.picture);
        if (w->file() != file) {
            const QImage image = pictures_.image(m.picture);
            if (!image.isNull()) w->showImage(image, file);
        }
    });
    return w;
}

QPushButton* Form::button(Button& m, const QString& name, QWidget* parent) {
    auto* w = new QPushButton(parent ? parent : canvas_);
    w->setObjectName(name);
    w->setFocusPolicy(Qt::NoFocus);
    track(w, m);
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        const QString text = QString::fromStdString(m.caption);
        if (w->text() != text) {
            w->setText(text);
            // A caption wider than its button is drawn smaller, as a label's is.
            QFont f = w->font();
            f.setBold(true);
            if (f.pixelSize() <= 0) f.setPixelSize(12);
            f.setPixelSize(largestFittingSize(f.pixelSize(), [&](int size) {
                QFont sized = f;
                sized.setPixelSize(size);
                return QFontMetrics(sized).horizontalAdvance(text) + 12 <= w->width();
            }));
            w->setFont(f);
        }
    });
    return w;
}

PaintedButton* Form::paintedButton(Button& m, const QString& name, const QString& lit,
                                   const QString& pressed) {
    auto* w = new PaintedButton(canvas_, lit, pressed);
    w->setObjectName(name);
    w->setFocusPolicy(Qt::StrongFocus);
    track(w, m);
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        const QString text = QString::fromStdString(m.caption);
        if (w->text() != text) w->setText(text);
    });
    return w;
}

Backdrop* Form::backdrop(const QString& layoutPicture, const QRect& where) {
    auto* b = new Backdrop(canvas_, layoutImage(layoutPicture));
    b->setObjectName("Image1");
    b->setGeometry(where);
    b->lower();
    return b;
}

QRadioButton* Form::radio(RadioButton& m, const QString& name, QWidget* parent) {
    auto* w = new QRadioButton(parent ? parent : canvas_);
    w->setObjectName(name);
    // The core keeps the group: one selected at most, and none after a reset.
    w->setAutoExclusive(false);
    w->setFocusPolicy(Qt::NoFocus);
    track(w, m);
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        const QString text = QString::fromStdString(m.caption);
        if (w->text() != text) w->setText(text);
        if (w->isChecked() != m.checked) w->setChecked(m.checked);
    });
    return w;
}

QLineEdit* Form::edit(Edit& m, const QString& name, QWidget* parent) {
    auto* w = new QLineEdit(parent ? parent : canvas_);
    w->setObjectName(name);
    track(w, m);
    connect(w, &QLineEdit::textEdited, this,
            [this, &m](const QString& text) { handle([&m, text](World&) { m.text = text.toStdString(); }); });
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        const QString text = QString::fromStdString(m.text);
        if (w->text() != text) w->setText(text);
        w->setReadOnly(m.readOnly);
    });
    return w;
}

QComboBox* Form::combo(ComboBox& m, const QString& name, QWidget* parent) {
    auto* w = new QComboBox(parent ? parent : canvas_);
    w->setObjectName(name);
    w->setEditable(true);
    w->setInsertPolicy(QComboBox::NoInsert);
    track(w, m);
    for (const auto& item : m.items)
        w->addItem(QString::fromStdString(item));
    w->setCurrentIndex(-1);
    w->setEditText(QString::fromStdString(m.text));
    connect(w, &QComboBox::currentTextChanged, this, [this, &m](const QString& text) {
        if (text.toStdString() != m.text) handle([&m, text](World&) { m.text = text.toStdString(); });
    });
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        const QString text = QString::fromStdString(m.text);
        if (w->currentText() != text) w->setEditText(text);
    });
    return w;
}

QFrame* Form::panel(Panel& m, const QString& name, QWidget* parent) {
    auto* w = new QFrame(parent ? parent : canvas_);
    w->setObjectName(name);
    track(w, m);
    syncs_.push_back([this, w, &m] { syncControl(w, m); });
    return w;
}

GameList* Form::list(ListBox& m, const QString& name) {
    auto* w = new GameList(canvas_);
    w->setObjectName(name);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    track(w, m);
    const std::string address = (objectName() + '.' + name).toStdString();
    const PlayerInput* in = dispatcher_.input(address);
    if (!in || !in->pick) qFatal("The game has no list %s", address.c_str());
    connect(w, &GameList::picked, this,
            [this, pick = in->pick](int row) { handle([pick, row](World& world) { pick(world, row); }); });
    w->setUniformItemSizes(true);
    syncs_.push_back([this, w, &m] {
        syncControl(w, m);
        QStringList items;
        for (const auto& item : m.items)
            items << QString::fromStdString(item);
        w->showLines(items, m.selected < static_cast<int>(items.size()) ? m.selected : -1);
    });
    return w;
}

std::function<void(World&)> Form::inputHandler(const std::string& address) {
    const PlayerInput* in = dispatcher_.input(address);
    if (!in) qFatal("The game has no input %s", address.c_str());
    return [run = in->run](World& w) { run(w, {}); };
}

std::function<void(World&)> Form::clickHandler(const QString& control) {
    return inputHandler((objectName() + '.' + control).toStdString());
}

void Form::onClick(ClickLabel* w) {
    w->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    connect(w, &ClickLabel::clicked, this, [this, h = clickHandler(w->objectName())] { handle(h); });
}

void Form::onClick(QAbstractButton* w) {
    connect(w, &QAbstractButton::clicked, this, [this, h = clickHandler(w->objectName())] { handle(h); });
}

void Form::onMenu(QAction* action, const QString& path) {
    const auto h = inputHandler((objectName() + ' ' + path).toStdString());
    connect(action, &QAction::triggered, this, [this, h] { handle(h); });
}

void Form::sync() {
    for (auto& s : syncs_)
        s();
    if (ownsGeometry_) layOut();

    // Stacking among siblings: creation order, then the order in which controls were brought to the front.
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
    e->ignore();
    handle([this](World& w) { closeRequested(w); });
}

void Form::closeRequested(World&) {
    if (frame_ == Frame::TitleClose) cv::hide(model_);
}

} // namespace cv::qt
