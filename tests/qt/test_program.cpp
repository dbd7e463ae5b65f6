// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up and event loop: every exit that closes the main menu ends the loop,
// whatever windows are open.
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "qt/inspect.h"
#include "qt/program.h"
#include "support.h"

using namespace cv;

namespace {

void click(qt::Game& game, const QString& window, const QString& control) {
    QWidget* w = game.form(window);
    QWidget* c = qt::findControl(w, control);
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, c->mapTo(w, c->rect().center()));
    QApplication::processEvents();
}

void gameMenu(qt::Game& game, const QString& menu, const QString& command) {
    for (QAction* m : game.form("Gameform")->findChild<QMenuBar*>()->actions())
        if (m->text() == menu)
            for (QAction* a : m->menu()->actions())
                if (a->text() == command) a->trigger();
}

struct Outcome {
    int status = -1;
    bool timedOut = false;
};

// Runs the program with `play` done inside its loop, and a watchdog that ends a loop left running.
Outcome runWith(const std::function<void(qt::Game&)>& play, int watchdogMs = 5000) {
    testqt::RecordingMessages messages;
    qt::ProgramOptions options;
    options.messages = &messages;
    options.assetRoot = CINDERVALE_TEST_ASSETS;
    Outcome outcome;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&outcome] {
        outcome.timedOut = true;
        QCoreApplication::exit(99);
    });
    options.started = [&](qt::Game& game) {
        watchdog.start(watchdogMs);
        play(game);
    };
    outcome.status = qt::runProgram(options);
    return outcome;
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT
  private slots:
    void theGameMenusExitEndsTheProgramFromTheGameScreen() {
        const Outcome o = runWith([](qt::Game& game) {
            click(game, "Menuform", "BitBtn6");
            click(game, "createf", "Image4");
            QVERIFY(game.form("Gameform")->isVisible());
            gameMenu(game, "Игра", "Выход");
        });
        QVERIFY(!o.timedOut);
        QCOMPARE(o.status, 0);
    }

    void theMainMenusExitEndsTheProgramWithOtherWindowsOpen() {
        const Outcome o = runWith([](qt::Game& game) {
            click(game, "Menuform", "BitBtn4"); // credits
            click(game, "Menuform", "BitBtn1"); // help
            click(game, "Menuform", "BitBtn3");
        });
        QVERIFY(!o.timedOut);
        QCOMPARE(o.status, 0);
    }

    // The icon desktops show for each window: every size drawn, transparent around its tile.
    void everyWindowHasTheGamesIcon() {
        runWith([](qt::Game& game) {
            for (const QString& name : game.screenNames()) {
                const QIcon icon = game.form(name)->windowIcon();
                QCOMPARE(
                    icon.availableSizes(),
                    (QList<QSize>{
                        {16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
                const QImage image = icon.pixmap(48).toImage();
                QCOMPARE(image.size(), QSize(48, 48));
                QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
                QCOMPARE(qAlpha(image.pixel(24, 24)), 255);
            }
            QCoreApplication::exit(0);
        });
    }

    void theLoopRunsUntilTheMainMenuIsClosed() {
        const Outcome o = runWith([](qt::Game& game) { click(game, "Menuform", "BitBtn6"); }, 500);
        QVERIFY(o.timedOut);
    }
};

CINDERVALE_QT_TEST_MAIN(ProgramTest)

#include "test_program.moc"
