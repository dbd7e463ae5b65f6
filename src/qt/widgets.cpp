// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Widgets the screens are built from: clickable labels and pictures.
#include "widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWindow>

#include "look.h"

namespace cv::qt {

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) pressed_ = true;
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click) emit clicked();
}

void ClickLabel::setPressable() {
    pressable_ = true;
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    if (focusPolicy() == Qt::NoFocus) setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::keyPressEvent(QKeyEvent* e) {
    const bool press = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
    if (pressable_ && press && !e->isAutoRepeat()) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(e);
}

PictureView::PictureView(QWidget* parent) : ClickLabel(parent) {
    setScaledContents(true);
    setProperty("picture", QString());
}

void PictureView::showImage(const QImage& image, const QString& file) {
    file_ = file;
    setProperty("picture", file.toLower());
    setPixmap(QPixmap::fromImage(image));
}

void PictureView::setFocusFrame(bool on) {
    focusFrame_ = on;
    setProperty("ownFocusFrame", on);
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureView::paintEvent(QPaintEvent* e) {
    ClickLabel::paintEvent(e);
    if (!focusFrame_ || !hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(QColor(0, 255, 0), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void PictureView::focusInEvent(QFocusEvent* e) {
    ClickLabel::focusInEvent(e);
    update();
}

void PictureView::focusOutEvent(QFocusEvent* e) {
    ClickLabel::focusOutEvent(e);
    update();
}

GameList::GameList(QWidget* parent) : QListWidget(parent) {
    // A line a screen reader selects is the player's pick, as a click's; the game's own changes of the
    // selection come with the signals blocked.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (input_) return;
        const QList<QListWidgetItem*> chosen = selectedItems();
        if (!chosen.isEmpty()) emit picked(row(chosen.first()));
    });
}

void GameList::showLines(const QStringList& lines, int chosen) {
    const QSignalBlocker quiet(this);
    bool fresh = false;
    if (count() != lines.size()) {
        fresh = true;
    } else {
        for (int i = 0; i < count() && !fresh; ++i)
            fresh = item(i)->text() != lines[i];
    }
    if (fresh) {
        clear();
        addItems(lines);
        fitRows();
    }
    if (chosen < 0) {
        // Nothing chosen: no line is marked, not even the keyboard's current one, and a new list (a fight's
        // start) shows its first line.
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        if (fresh) scrollToTop();
    } else if (currentRow() != chosen || !item(chosen)->isSelected()) {
        setCurrentRow(chosen);
        scrollToItem(item(chosen));
    }
}

void GameList::fitRows() {
    if (count() == 0) return;
    const int room = viewport()->height() > 0 ? viewport()->height() : contentsRect().height();
    const int line = std::max(1, fontMetrics().height());
    const int rows = std::max(1, room / line);
    const int height = room / rows;
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(QSize(0, height));
}

void GameList::resizeEvent(QResizeEvent* e) {
    QListWidget::resizeEvent(e);
    fitRows();
}

void GameList::focusInEvent(QFocusEvent* e) {
    const bool none = selectedItems().isEmpty();
    QListWidget::focusInEvent(e);
    // The view makes its first line the current one when it takes the focus; the game has chosen none.
    if (none) {
        const QSignalBlocker quiet(this);
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void GameList::mousePressEvent(QMouseEvent* e) {
    input_ = true;
    QListWidget::mousePressEvent(e);
    input_ = false;
}

void GameList::mouseReleaseEvent(QMouseEvent* e) {
    input_ = true;
    QListWidget::mouseReleaseEvent(e);
    input_ = false;
    if (e->button() != Qt::LeftButton) return;
    if (QListWidgetItem* item = itemAt(e->position().toPoint())) emit picked(row(item));
}

void GameList::keyPressEvent(QKeyEvent* e) {
    // The list moves with the arrows and the paging keys; every other key is its window's.
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        break;
    default:
        e->ignore();
        return;
    }
    const int before = currentRow();
    input_ = true;
    QListWidget::keyPressEvent(e);
    input_ = false;
    if (currentRow() != before && currentRow() >= 0) emit picked(currentRow());
}

namespace {

// The close box of a title bar: a green cross in a green square.
class CloseBox : public QAbstractButton {
  public:
    explicit CloseBox(QWidget* parent) : QAbstractButton(parent) {
        setObjectName("closebox");
        setAccessibleName("Закрыть");
        setToolTip("Закрыть");
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        p.fillRect(rect(), isDown() ? QColor(0, 128, 0) : underMouse() ? QColor(0, 48, 0) : Qt::black);
        p.setPen(QPen(QColor(0, 255, 0), 1.5));
        p.drawRect(box);
        const QRectF cross = box.adjusted(4, 4, -4, -4);
        p.drawLine(cross.topLeft(), cross.bottomRight());
        p.drawLine(cross.topRight(), cross.bottomLeft());
    }
};

} // namespace

TitleBar::TitleBar(QWidget* window, bool closeBox, const QString& captionPicture) : QWidget(window) {
    setObjectName("titlebar");
    setFixedHeight(kHeight);
    if (!captionPicture.isEmpty()) caption_ = layoutImage(captionPicture);
    if (closeBox) {
        close_ = new CloseBox(this);
        connect(close_, &QAbstractButton::clicked, window, &QWidget::close);
    }
}

void TitleBar::resizeEvent(QResizeEvent*) {
    if (close_) close_->setGeometry(width() - kHeight + 2, 2, kHeight - 4, kHeight - 4);
}

void TitleBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(QColor(0, 255, 0));
    p.drawLine(0, height() - 1, width(), height() - 1);
    const int room = width() - 2 * kHeight;
    if (!caption_.isNull()) {
        const QSizeF size = caption_.deviceIndependentSize();
        p.drawImage(QPointF((width() - size.width()) / 2, (height() - 1 - size.height()) / 2), caption_);
        return;
    }
    QFont f("MS Sans Serif");
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    const QString caption = QFontMetrics(f).elidedText(window()->windowTitle(), Qt::ElideRight, room);
    p.drawText(QRect(kHeight, 0, room, height() - 1), Qt::AlignCenter, caption);
}

void TitleBar::mousePressEvent(QMouseEvent* e) {
    // The desktop moves the window as it moves one by its own title bar.
    if (e->button() == Qt::LeftButton && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
}

Notice::Notice(QWidget* window) : QWidget(window) {
    setObjectName("notice");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void FocusRing::follow(QWidget* target) {
    if (!target || !target->parentWidget()) {
        hide();
        return;
    }
    if (parentWidget() != target->parentWidget()) setParent(target->parentWidget());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(target->geometry().adjusted(-3, -3, 3, 3));
    raise();
    show();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(QColor(0, 255, 0), 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void Backdrop::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(rect(), image_);
}

PaintedButton::PaintedButton(QWidget* parent, QString lit, QString pressed)
    : QAbstractButton(parent), lit_(std::move(lit)), pressed_(std::move(pressed)) {
    setAttribute(Qt::WA_Hover);
}

void PaintedButton::enterEvent(QEnterEvent* e) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(e);
}

void PaintedButton::leaveEvent(QEvent* e) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(e);
}

void PaintedButton::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void PaintedButton::focusInEvent(QFocusEvent* e) {
    if (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason)
        keyboardFocus_ = true;
    else if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        keyboardFocus_ = false;
    QAbstractButton::focusInEvent(e);
}

void PaintedButton::paintEvent(QPaintEvent*) {
    // At rest the window's own picture shows the button; lit and pressed come from the other two. The
    // button the keyboard went to is lit, with a dotted frame inside its own.
    const bool keyboard = hasFocus() && keyboardFocus_;
    const bool lit = (hovered_ || keyboard) && isEnabled();
    const QString& picture = isDown() ? pressed_ : lit ? lit_ : QString();
    if (keyboard) {
        QPainter p(this);
        if (!picture.isEmpty()) drawPart(p, picture);
        p.setPen(QPen(QColor(0, 255, 0), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(4, 4, -5, -5));
        return;
    }
    if (picture.isEmpty()) return;
    QPainter p(this);
    drawPart(p, picture);
}

void PaintedButton::drawPart(QPainter& p, const QString& picture) {
    QPixmap pixmap;
    if (!QPixmapCache::find(picture, &pixmap)) {
        pixmap = layoutPixmap(picture);
        QPixmapCache::insert(picture, pixmap);
    }
    // The button's part of the window's picture, read in the picture's own pixels: a picture drawn at
    // twice the detail has twice as many.
    const qreal ratio = pixmap.devicePixelRatio();
    const QRectF part(QPointF(geometry().topLeft()) * ratio, QSizeF(size()) * ratio);
    p.drawPixmap(QRectF(rect()), pixmap, part);
}

} // namespace cv::qt
