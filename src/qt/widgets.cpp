// Widgets the screens are built from: clickable labels and pictures.
#include "widgets.h"

#include <QPainter>
#include <QPixmapCache>

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

PictureView::PictureView(QWidget* parent) : ClickLabel(parent) {
    setScaledContents(true);
    setProperty("picture", QString());
}

void PictureView::showImage(const QImage& image, const QString& file) {
    file_ = file;
    setProperty("picture", file.toLower());
    setPixmap(QPixmap::fromImage(image));
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

void GameList::mouseReleaseEvent(QMouseEvent* e) {
    QListWidget::mouseReleaseEvent(e);
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
    QListWidget::keyPressEvent(e);
    if (currentRow() != before && currentRow() >= 0) emit picked(currentRow());
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

void PaintedButton::paintEvent(QPaintEvent*) {
    // At rest the window's own picture shows the button; lit and pressed come from the other two.
    const QString& picture = isDown() ? pressed_ : hovered_ && isEnabled() ? lit_ : QString();
    if (picture.isEmpty()) return;
    QPixmap pixmap;
    if (!QPixmapCache::find(picture, &pixmap)) {
        pixmap = layoutPixmap(picture);
        QPixmapCache::insert(picture, pixmap);
    }
    // The button's part of the window's picture, read in the picture's own pixels: a picture drawn at
    // twice the detail has twice as many.
    const qreal ratio = pixmap.devicePixelRatio();
    const QRectF part(QPointF(geometry().topLeft()) * ratio, QSizeF(size()) * ratio);
    QPainter p(this);
    p.drawPixmap(QRectF(rect()), pixmap, part);
}

} // namespace cv::qt
