// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Widgets the screens are built from: clickable labels and pictures.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

namespace cv::qt {

// A label that reports a click (press and release inside it), as the game's clickable texts do.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
    // Does what a click does (the screen readers' press).
    void activate() { emit clicked(); }
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
    // A green frame round the picture while it has the keyboard's focus (the map's places).
    void setFocusFrame(bool on) { focusFrame_ = on; }

  protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    QString file_;
    bool focusFrame_ = false;
};

// A list whose line the player picks with a click or the arrow keys: `picked` reports the line.
class GameList : public QListWidget {
    Q_OBJECT
  public:
    using QListWidget::QListWidget;
  signals:
    void picked(int row);

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// A fixed picture of the layout, drawn straight from the pixels compiled into the program.
class Backdrop : public QWidget {
    Q_OBJECT
  public:
    Backdrop(QWidget* parent, const QImage& image) : QWidget(parent), image_(image) {}

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QImage image_;
};

// A button drawn from the layout's pictures: the picture under it shows it at rest, and it draws its
// lit and pressed looks from two more pictures of the same layout. Its caption is painted into those
// pictures, so showing it needs no font; text() still holds the caption.
class PaintedButton : public QAbstractButton {
    Q_OBJECT
  public:
    // `lit` and `pressed` name layout pictures of the whole window; the button shows its own part.
    PaintedButton(QWidget* parent, QString lit, QString pressed);

  protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

  private:
    QString lit_, pressed_;
    bool hovered_ = false;
};

} // namespace cv::qt
