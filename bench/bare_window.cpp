// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up benchmark: a bare Qt Widgets program that shows one window of the main
// menu's size and ends as soon as it has been drawn.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {
class Window : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        if (!done_) QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        done_ = true;
    }

  private:
    bool done_ = false;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Window w;
    w.setWindowTitle("Cindervale");
    w.resize(432, 425);
    w.show();
    return QApplication::exec();
}
