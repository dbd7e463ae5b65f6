// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up and run: look, translations, the game, and the event loop until the
// main menu is closed.
#include "program.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <random>

#include "icon.h"
#include "look.h"

namespace cv::qt {

namespace {

// One generator, seeded once at start.
class RandomRng : public Rng {
  public:
    RandomRng() : gen_(std::random_device{}()) {}
    int uniform(int lo, int hi) override { return std::uniform_int_distribution<int>(lo, hi)(gen_); }

  private:
    std::mt19937 gen_;
};

class MessageBoxSink : public MessageSink {
  public:
    void showMessage(const QString& text) override {
        // Also where a terminal that started the game shows it.
        std::fprintf(stderr, "cindervale: %s\n", text.toUtf8().constData());
        ensureStyleSheet();
        QMessageBox::critical(QApplication::activeWindow(), "Cindervale", text);
    }
};

} // namespace

void nameProgram() {
    QApplication::setApplicationName(QStringLiteral("Cindervale"));
    QApplication::setApplicationVersion(QStringLiteral(CINDERVALE_VERSION));
    // Desktops find the entry, and with it the icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral(CINDERVALE_APP_ID));
}

int runProgram(const ProgramOptions& options) {
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(gameIcon());
    applyLook();

    RandomRng ownRng;
    MessageBoxSink ownMessages;
    Game::Services services;
    services.rng = options.rng ? options.rng : &ownRng;
    services.messages = options.messages ? options.messages : &ownMessages;
    services.fontDialog = options.fontDialog;
    services.assetRoot = options.assetRoot;
    services.realTime = options.realTime;
    // Closing the main menu ends the program whatever windows are open: the loop ends at once, without
    // asking the other windows, which refuse to close on their own.
    services.quit = [] { QCoreApplication::exit(0); };
    Game game(services);
    if (options.started) QTimer::singleShot(0, qApp, [&game, &options] { options.started(game); });
    const int status = QApplication::exec();
    if (options.ended) options.ended(game);
    return status;
}

} // namespace cv::qt
