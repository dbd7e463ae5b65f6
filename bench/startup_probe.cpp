// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, ended as soon as the main menu has been drawn; or, with --first-show NAME,
// the time the first showing of one window takes, from its model shown to its first drawing, in ms.
// What the first window after the menu pays once for every later one (the font database and the style
// sheet) is paid before the clock starts; --first-show text-setup times that alone.
#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "qt/look.h"
#include "qt/program.h"

namespace {

// Calls `then` once, after the first paint of a widget inside the window named `window`.
class FirstPaint : public QObject {
  public:
    FirstPaint(QString window, std::function<void()> then)
        : window_(std::move(window)), then_(std::move(then)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && then_) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w->window()->objectName() == window_) {
                auto then = std::move(then_);
                then_ = nullptr;
                QTimer::singleShot(0, qApp, then);
            }
        }
        return false;
    }

  private:
    QString window_;
    std::function<void()> then_;
};

struct QuietMessages : cv::qt::MessageSink {
    void showMessage(const QString&) override {}
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const int at = args.indexOf("--first-show");
    const QString window = at > 0 && at + 1 < args.size() ? args[at + 1] : QString();

    cv::qt::ProgramOptions options;
    QuietMessages quiet;
    std::unique_ptr<FirstPaint> menuPainted, windowPainted;
    QElapsedTimer timer;
    if (window.isEmpty()) {
        menuPainted = std::make_unique<FirstPaint>("Menuform", [] { QCoreApplication::exit(0); });
    } else {
        options.messages = &quiet;
        options.started = [&](cv::qt::Game& game) {
            if (window == "text-setup") timer.start();
            QFontDatabase::families();
            cv::qt::ensureStyleSheet();
            if (window == "text-setup") {
                std::printf("%.3f\n", timer.nsecsElapsed() / 1e6);
                QCoreApplication::exit(0);
                return;
            }
            cv::Window* model = game.screenWindow(window);
            if (!model) {
                std::fprintf(stderr, "no window %s\n", window.toUtf8().constData());
                QCoreApplication::exit(2);
                return;
            }
            windowPainted = std::make_unique<FirstPaint>(window, [&timer] {
                std::printf("%.3f\n", timer.nsecsElapsed() / 1e6);
                QCoreApplication::exit(0);
            });
            timer.start();
            game.dispatcher().run([model](cv::World&) { cv::show(*model); });
        };
    }
    return cv::qt::runProgram(options);
}
