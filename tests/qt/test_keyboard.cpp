// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Playing with the keyboard, and the story log behind "Просмотреть весь разговор".
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "game/combat/battle.h"
#include "game/inventory/items.h"
#include "qt/inspect.h"
#include "support.h"

using namespace cv;

namespace {

// A key as the window would get it: at its focused control, or at the window itself.
void key(testqt::TestGame& t, const QString& window, int k, const QString& text = {}) {
    QWidget* w = t.form(window);
    QWidget* target = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(target, Qt::Key(k), Qt::NoModifier);
    if (!text.isEmpty()) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    }
    QApplication::processEvents();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void choicesAndAnswersByTheirNumbers() {
        testqt::TestGame t;
        t.newGame();
        t.click("Gameform", "mapb");
        t.click("mapform", "Image14"); // the elder
        key(t, "Gameform", Qt::Key_Return);
        QCOMPARE(t.world().story.curStep, 0); // nothing selected: Enter does nothing
        key(t, "Gameform", Qt::Key_3);        // no third choice here
        QCOMPARE(selected(t), 0);
        key(t, "Gameform", Qt::Key_1);
        QCOMPARE(selected(t), 1);
        key(t, "Gameform", Qt::Key_Enter);
        QCOMPARE(t.world().story.curStep, 1);
        QVERIFY(!t.text("Gameform", "rep").isEmpty());
        key(t, "Gameform", Qt::Key_1); // the first answer
        QCOMPARE(t.world().story.curStep, 2);
    }

    void theMapByTabArrowsEnterAndEscape() {
        testqt::TestGame t;
        t.newGame();
        t.click("Gameform", "mapb");
        QWidget* first = t.control("mapform", "Image12"); // the guard's cave, first of the places
        QCOMPARE(t.form("mapform")->focusWidget(), first);
        // The focused place shows a green frame.
        const QImage framed = first->grab().toImage();
        QCOMPARE(framed.pixelColor(1, first->height() / 2), QColor(0, 255, 0));
        key(t, "mapform", Qt::Key_Tab);
        QCOMPARE(t.form("mapform")->focusWidget(), t.control("mapform", "Image15")); // the shaman next
        key(t, "mapform", Qt::Key_Right);
        QVERIFY(t.form("mapform")->focusWidget() != t.control("mapform", "Image15"));
        QVERIFY(t.form("mapform")->focusWidget()->x() > t.control("mapform", "Image15")->x());
        const int rightOf = t.form("mapform")->focusWidget()->x();
        key(t, "mapform", Qt::Key_Left);
        QVERIFY(t.form("mapform")->focusWidget()->x() < rightOf);
        // Enter enters the place that has the focus.
        const QString name = t.form("mapform")->focusWidget()->objectName();
        int location = 0;
        for (int i = 0; i < 15; ++i)
            if (name ==
                QString::fromUtf8(screens::kPlaceNames[i].data(), int(screens::kPlaceNames[i].size())))
                location = i + 1;
        QVERIFY(location > 0);
        key(t, "mapform", Qt::Key_Return);
        QVERIFY(!t.form("mapform")->isVisible());
        QCOMPARE(t.world().story.curLocation, location);
        t.click("Gameform", "mapb");
        key(t, "mapform", Qt::Key_Escape);
        QVERIFY(t.form("Gameform")->isVisible());
        QVERIFY(!t.form("mapform")->isVisible());
    }

    void aFightByTheKeys() {
        testqt::TestGame t;
        t.newGame();
        t.game->dispatcher().run([](World& w) { startFight(w, 1); });
        auto* list = qobject_cast<QListWidget*>(t.control("battle", "choose"));
        QCOMPARE(t.form("battle")->focusWidget(), list);
        key(t, "battle", Qt::Key_Down); // "Идти влево"
        key(t, "battle", Qt::Key_Down); // "Идти вправо"
        QCOMPARE(t.world().battle.choose.selected, 1);
        key(t, "battle", Qt::Key_Return);
        QCOMPARE(t.text("battle", "dis"), QString("19"));
        // As if the rat had come up: the bare-handed blow, Enter to aim, Enter to strike.
        t.game->dispatcher().run([](World& w) {
            w.battle.dis.value = 1;
            w.battle.epic.left = 38;
        });
        for (int i = 0; i < 5; ++i)
            key(t, "battle", Qt::Key_Down);
        QCOMPARE(t.world().battle.choose.selected, 6);
        key(t, "battle", Qt::Key_Return);
        QCOMPARE(t.world().battle.epic.cursor, Cursor::Cross);
        t.rng.queued = {99}; // a miss
        key(t, "battle", Qt::Key_Return);
        QCOMPARE(t.text("battle", "warn"), QString("ДемоИгрок бьёт."));
        QCOMPARE(t.text("battle", "tp"), QString("5"));
        // E ends the turn; so does the same key in the Russian layout.
        key(t, "battle", Qt::Key_E);
        QVERIFY(t.world().battle.Timer1.running);
    }

    void theBodyPartByItsNumber() {
        testqt::TestGame t;
        t.newGame();
        t.game->dispatcher().run([](World& w) {
            startFight(w, 1);
            w.battle.dis.value = 1;
            w.battle.epic.left = 38;
        });
        t.game->dispatcher().run([](World& w) {
            battle::chooseClick(w, 7);
            battle::readyClick(w);
            battle::epicClick(w);
        });
        QVERIFY(t.form("accform")->isVisible());
        key(t, "accform", Qt::Key_Return); // no part chosen yet
        QVERIFY(t.form("accform")->isVisible());
        key(t, "accform", Qt::Key_2);
        QVERIFY(t.world().accform.b[1].checked);
        t.rng.queued = {99};
        key(t, "accform", Qt::Key_Enter);
        QVERIFY(!t.form("accform")->isVisible());
    }

    void escapeClosesWhatItsOwnCloseControlCloses() {
        testqt::TestGame t;
        t.newGame();
        t.click("Gameform", "BitBtn1");
        key(t, "InvForm", Qt::Key_Escape);
        QVERIFY(!t.form("InvForm")->isVisible());
        QVERIFY(t.form("Gameform")->takesInput());
        t.click("Gameform", "BitBtn3");
        key(t, "Vesk", Qt::Key_Escape);
        QVERIFY(!t.form("Vesk")->isVisible());
        QVERIFY(t.form("Gameform")->takesInput());
        // The sheet's own accept closes it and gives the screens back; Escape too.
        t.click("Gameform", "BitBtn2");
        QVERIFY(!t.form("Gameform")->takesInput());
        key(t, "createform", Qt::Key_Escape);
        QVERIFY(!t.form("createform")->isVisible());
        QVERIFY(t.form("Gameform")->takesInput());
        t.game->dispatcher().run([](World& w) { show(w.help.window); });
        key(t, "help", Qt::Key_Escape);
        QVERIFY(!t.form("help")->isVisible());
    }

    void theHelpScrollsToItsKeysOnASmallScreen() {
        testqt::TestGame t; // the offscreen screen is 800 x 600
        t.click("Menuform", "BitBtn1");
        auto* bar = t.form("help")->findChild<QScrollArea*>("scroll")->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        key(t, "help", Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        key(t, "help", Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        key(t, "help", Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
    }

    void theStoryLogHoldsEverythingSaidThisGame() {
        testqt::TestGame t;
        t.newGame();
        const QString opening = t.text("Gameform", "m1") + "\n\n" + t.text("Gameform", "m2");
        t.click("Gameform", "pros");
        QVERIFY(t.form("storylog")->isVisible());
        QVERIFY(!t.form("Gameform")->takesInput());
        QCOMPARE(t.text("storylog", "text"), opening); // the game's opening, as its screen shows it
        key(t, "storylog", Qt::Key_Escape);
        QVERIFY(!t.form("storylog")->isVisible());
        QVERIFY(t.form("Gameform")->takesInput());

        t.click("Gameform", "mapb");
        t.click("mapform", "Image14");
        t.click("Gameform", "c1");
        t.click("Gameform", "ready");
        t.click("Gameform", "a1");
        t.click("Gameform", "pros");
        // What was said since is added after it.
        const QString log = t.text("storylog", "text");
        QVERIFY(log.startsWith(opening + "\n\n"));
        const QStringList lines = log.mid(opening.size() + 2).split("\n\n");
        QCOMPARE(lines.value(0),
                 QString("Вы заходите в палатку Старейшины. Она не видит вас - занята какой-то писаниной"));
        QVERIFY(lines.value(1).startsWith("— [Старуха поворачивается к вам]-Здравствуй, ДемоИгрок"));
        QCOMPARE(lines.value(2), QString("Вы: Да, что это?"));
        QVERIFY(lines.value(3).startsWith("— Твой предок Скорлан"));
        QCOMPARE(lines.size(), 4);
        t.click("storylog", "close");
        QVERIFY(!t.form("storylog")->isVisible());
        // A new game starts a new log, with the texts its screen shows.
        t.game->dispatcher().run([](World& w) { w.Menuform.window.visible = true; });
        t.newGame();
        t.click("Gameform", "pros");
        QCOMPARE(t.text("storylog", "text"), opening); // a new game starts at the opening again
    }

  private:
    static int selected(testqt::TestGame& t) {
        for (int i = 0; i < 5; ++i)
            if (t.world().Gameform.c[static_cast<std::size_t>(i)].checked) return i + 1;
        return 0;
    }
};

CINDERVALE_QT_TEST_MAIN(KeyboardTest)

#include "test_keyboard.moc"
