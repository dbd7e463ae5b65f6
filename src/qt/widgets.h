// Widgets the screens are built from: clickable labels and pictures.
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace cv::qt {

// A label that reports a click (press and release inside it), as the game's clickable texts do.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    bool pressed_ = false;
};

// A picture control: shows an image stretched to its size and reports clicks.
class PictureView : public ClickLabel {
    Q_OBJECT
  public:
    explicit PictureView(QWidget* parent);
    // The file last loaded into it, relative to the asset root ("" for the layout's own pictures).
    QString file() const { return file_; }
    void showImage(const QImage& image, const QString& file);

  private:
    QString file_;
};

} // namespace cv::qt
