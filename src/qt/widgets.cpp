// Widgets the screens are built from: clickable labels and pictures.
#include "widgets.h"

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

} // namespace cv::qt
