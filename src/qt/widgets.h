// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Widgets the screens are built from: clickable labels and pictures.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

class QPainter;

namespace cv::qt {

// A label that reports a click (press and release inside it), as the game's clickable texts do.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
    // Does what a click does (the screen readers' press).
    void activate() { emit clicked(); }
    // It acts on a click: the player can reach it by Tab and press it with Enter or Space.
    void setPressable();
    bool pressable() const { return pressable_; }
  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    bool pressed_ = false;
    bool pressable_ = false;
};

// A picture control: shows an image stretched to its size and reports clicks.
class PictureView : public ClickLabel {
    Q_OBJECT
  public:
    explicit PictureView(QWidget* parent);
    // The file last loaded into it, relative to the asset root ("" for the layout's own pictures).
    QString file() const { return file_; }
    void showImage(const QImage& image, const QString& file);
    // Takes the keyboard's focus, shows a green frame round the picture while it has it, and is clicked
    // by Enter or Space (the map's places, the buttons of the ready-made screen).
    void setFocusFrame(bool on);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    QString file_;
    bool focusFrame_ = false;
};

// A list whose line the player picks with a click, the arrow keys or a screen reader's selection: `picked`
// reports the line. It shows whole lines only, and no line as chosen before the game or the player chooses
// one.
class GameList : public QListWidget {
    Q_OBJECT
  public:
    explicit GameList(QWidget* parent);
    // The lines the game has, and the one it has chosen (-1 for none).
    void showLines(const QStringList& lines, int chosen);
  signals:
    void picked(int row);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    // Inside the player's own click or key, which reports its line itself.
    bool input_ = false;
    // Every line as high as the list's height divided evenly among the lines that fit.
    void fitRows();
};

// The title bar the game draws on its windows, in its own look: the window's caption and, where the window
// has one, a close box, nothing else. Dragging it moves the window. A window's caption may come painted in a
// layout picture (the main menu's, so that the first window of the game draws no text with fonts).
class TitleBar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 20;
    TitleBar(QWidget* window, bool closeBox, const QString& captionPicture = {});

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    QAbstractButton* close_ = nullptr;
    QImage caption_;
};

// A window's passing message for screen readers: one pixel, drawn as nothing, shown for a moment.
class Notice : public QWidget {
    Q_OBJECT
  public:
    explicit Notice(QWidget* window);

  protected:
    void paintEvent(QPaintEvent*) override {}
};

// The green frame round the control the keyboard went to by Tab, drawn over the control's neighbours.
class FocusRing : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    // Round `target`, or hidden for nullptr.
    void follow(QWidget* target);

  protected:
    void paintEvent(QPaintEvent*) override;
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
    // Enter presses it, as Space does.
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

  private:
    // The focus came by the keyboard (Tab), so the button shows it; one given by a click or by the window
    // as it opens does not light the button.
    bool keyboardFocus_ = false;
    void drawPart(QPainter& p, const QString& picture);
    QString lit_, pressed_;
    bool hovered_ = false;
};

} // namespace cv::qt
