// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The script player: its exit statuses, argument parsing, scripted rolls and clicks that cannot land.
#include <QApplication>
#include <QTest>

#include "player.h"
#include "qt/look.h"
#include "support.h"

using namespace cv;

namespace {

int play(const QString& script) {
    QString text = script;
    QTextStream in(&text);
    script::Player player(CINDERVALE_TEST_ASSETS);
    return player.run(in);
}

} // namespace

class ScriptPlayerTest : public QObject {
    Q_OBJECT
  private slots:
    void textArguments() {
        QCOMPARE(script::textArgument("rest of the line"), QString("rest of the line"));
        QCOMPARE(script::textArgument("\"quoted \\\"inner\\\" and \\\\ \""),
                 QString("quoted \"inner\" and \\ "));
        QCOMPARE(script::textArgument("\"\""), QString());
        QCOMPARE(script::textArgument("\"two\\nlines\""), QString("two\nlines"));
        QCOMPARE(script::splitWord("  expect   Gameform.m1 text x "),
                 (std::pair<QString, QString>{"expect", "Gameform.m1 text x"}));
    }

    void exitStatuses() {
        QCOMPARE(play("# nothing but a comment\n\nexpect Menuform visible 1\n"), 0);
        QCOMPARE(play("expect Menuform visible 0\n"), 1);
        QCOMPARE(play("jump Menuform\n"), 2);
        QCOMPARE(play("click Nowhere.BitBtn6\n"), 2);
        QCOMPARE(play("click Menuform.NoSuchButton\n"), 2);
        QCOMPARE(play("expect Menuform.BitBtn6 colour green\n"), 2);
        QCOMPARE(play("menu Gameform Игра/Печать\n"), 2);
        // The first failing expectation ends the script.
        QCOMPARE(play("expect Menuform visible 0\njump\n"), 1);
    }

    void rollsOutsideTheirRangeAndIdleTimersFail() {
        QCOMPARE(play("tick battle.Timer1\n"), 1);
        QCOMPARE(play("tick battle.Nothing\n"), 2);
        QCOMPARE(play("rolls x\n"), 2);
    }

    void clicksOnHiddenOrCoveredControlsDoNothing() {
        // The game screen is hidden: its map button takes no click.
        QCOMPARE(play("click Gameform.mapb\nexpect mapform visible 0\n"), 0);
        // A font dialog with no answer given fails the script.
        QCOMPARE(play("click Menuform.BitBtn6\nclick createf.Image4\nmenu Gameform Окно/Шрифт\n"), 1);
        QCOMPARE(play("click Menuform.BitBtn6\nclick createf.Image4\nfont cancel\nmenu Gameform Окно/Шрифт\n"
                      "expect Gameform visible 1\n"),
                 0);
    }
};

CINDERVALE_QT_TEST_MAIN(ScriptPlayerTest)

#include "test_scriptplayer.moc"
