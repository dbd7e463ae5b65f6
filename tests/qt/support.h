// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for window tests: a whole game on the offscreen platform with scripted services.
#pragma once

#include <QApplication>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTest>
#include <deque>
#include <memory>
#include <optional>

#include "qt/game.h"
#include "qt/look.h"

// The main of a window test: the offscreen platform and the game's look, then the test class.
#define CINDERVALE_QT_TEST_MAIN(TestClass)                                                                   \
    int main(int argc, char** argv) {                                                                        \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                             \
        QApplication app(argc, argv);                                                                        \
        cv::qt::applyLook();                                                                                 \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }

namespace cv::testqt {

class RecordingMessages : public qt::MessageSink {
  public:
    QStringList shown;
    void showMessage(const QString& text) override { shown << text; }
};

class QueuedRng : public Rng {
  public:
    std::deque<int> queued;
    bool failOnEmpty = true; // off for tests that roll without caring for the values
    // A roll nobody scripted fails the running test, as in the core's tests.
    int uniform(int lo, int hi) override {
        if (queued.empty()) {
            if (!failOnEmpty) return lo;
            QTest::qFail(qPrintable(QString("unscripted roll in [%1, %2]").arg(lo).arg(hi)), __FILE__,
                         __LINE__);
            return lo;
        }
        const int v = queued.front();
        queued.pop_front();
        return v;
    }
};

class QueuedFonts : public FontDialog {
  public:
    std::deque<std::optional<Font>> answers;
    int asked = 0;
    std::optional<Font> ask(const Font&) override {
        ++asked;
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

struct TestGame {
    RecordingMessages messages;
    QueuedRng rng;
    QueuedFonts fonts;
    int quits = 0;
    std::unique_ptr<qt::Game> game;

    // The pictures the build made, or another asset folder.
    explicit TestGame(const QString& assetRoot = QString(CINDERVALE_TEST_ASSETS));
    World& world() { return game->world(); }
    qt::Form* form(const QString& name) { return game->form(name); }
    QWidget* control(const QString& window, const QString& name);
    // A player's left click at the control's centre, delivered to whatever the window shows there.
    void click(const QString& window, const QString& name);
    // A new game with the ready-made character, as a player starts one from the main menu.
    void newGame();
    // The text a control shows.
    QString text(const QString& window, const QString& name);
    void clickAt(QWidget* window, QPoint inWindow);
};

// What is wrong with how a window's texts are drawn, one line a fault: a one-line text that does not fit
// its own label, that overlaps another visible control's rectangle, that comes closer to another text
// than a space's width beside it or two clear rows above or below, or that touches the line art of the
// window's background picture (its frames); a wrapped text whose lines run out of its label or into
// another text. The ink of each text is measured with the font the machine really uses; texts that a
// picture covers are not drawn and do not count.
// With `strict` off, only the texts themselves count: each fits its label, no two overlap and none
// touches the background's lines (for rows laid out tighter than the stand-in fonts allow).
QStringList textLayoutFaults(QWidget* window, bool strict = true);

} // namespace cv::testqt
