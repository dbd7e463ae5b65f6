// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers are given of the windows: what they read, what they can do, what they are kept from.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QListWidget>
#include <QTest>

#include "game/combat/battle.h"
#include "support.h"

using namespace cv;

namespace {

QAccessibleInterface* readerView(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

QString readerName(QWidget* w) {
    return readerView(w)->text(QAccessible::Name);
}

bool offTheBus(QWidget* w) {
    return readerView(w)->state().invisible;
}

// A fight with the rat, the heroine next to it.
void closeFight(testqt::TestGame& t) {
    t.game->dispatcher().run([](World& w) {
        startFight(w, 1);
        w.battle.dis.value = 1;
        w.battle.epic.left = 38;
    });
}

} // namespace

class ReadersTest : public QObject {
    Q_OBJECT
  private slots:
    void aLineAReaderSelectsIsThePlayersPick() {
        testqt::TestGame t;
        t.newGame();
        closeFight(t);
        auto* list = qobject_cast<QListWidget*>(t.control("battle", "choose"));
        QCOMPARE(readerName(list), QString("Действия"));
        QAccessibleInterface* lines = readerView(list);
        QAccessibleInterface* aimed = nullptr;
        for (int i = 0; i < lines->childCount(); ++i)
            if (lines->child(i)->text(QAccessible::Name) == list->item(7)->text()) aimed = lines->child(i);
        QVERIFY(aimed && aimed->actionInterface());
        aimed->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(t.world().battle.choose.selected, 7);
        // "Сделать" acts on it: the targeting mode.
        t.click("battle", "ready");
        QCOMPARE(t.world().battle.epic.cursor, Cursor::Cross);
    }

    void aDisabledWindowReadsAsDisabled() {
        testqt::TestGame t;
        t.newGame();
        QWidget* map = t.control("Gameform", "mapb");
        QVERIFY(!readerView(map)->state().disabled);
        t.click("Gameform", "BitBtn1"); // the inventory over the game screen
        QVERIFY(readerView(map)->state().disabled);
        QVERIFY(!readerView(t.control("InvForm", "Image2"))->state().disabled);
        t.click("InvForm", "Image2");
        QVERIFY(!readerView(map)->state().disabled);
    }

    void coveredEmptyAndDecorativeControlsStayOffTheBus() {
        testqt::TestGame t;
        t.newGame();
        t.click("Gameform", "mapb");
        t.click("mapform", "Image14"); // the elder, in choice mode
        t.game->dispatcher().run([](World& w) { w.Gameform.rep.text = "Слова, что лежат под выбором."; });
        QWidget* line = t.control("Gameform", "rep");
        QVERIFY(offTheBus(line));
        QCOMPARE(line->focusPolicy(), Qt::NoFocus);
        QVERIFY(offTheBus(t.control("Gameform", "fon")));
        QVERIFY(offTheBus(t.control("Gameform", "a5")));
        QVERIFY(!offTheBus(t.control("Gameform", "c1")));
        t.click("Gameform", "c1");
        t.click("Gameform", "ready"); // the conversation uncovers the line
        QVERIFY(!offTheBus(line));
    }

    void figuresReadAsOnePhrase() {
        testqt::TestGame t;
        t.newGame();
        closeFight(t);
        QCOMPARE(readerName(t.control("battle", "hp")), QString("Состояние 30 из 30"));
        QVERIFY(offTheBus(t.control("battle", "Label18")) && offTheBus(t.control("battle", "fhp")));
        // The enemy is a target only while aiming, named with its chance.
        QWidget* enemy = t.control("battle", "epic");
        QVERIFY(offTheBus(enemy));
        t.game->dispatcher().run([](World& w) {
            battle::chooseClick(w, 7);
            battle::readyClick(w);
        });
        QCOMPARE(readerName(enemy), QString("Грызоклык, %1 %").arg(t.world().combat.playerHitChance));
        QVERIFY(!offTheBus(enemy));
        t.game->dispatcher().run(battle::epicClick); // the body-part window
        QCOMPARE(readerName(t.control("accform", "b4")), "В ногу, " + t.text("accform", "t4") + " %");
        QVERIFY(offTheBus(t.control("accform", "t4")));

        testqt::TestGame u;
        u.newGame();
        u.click("Gameform", "BitBtn1");
        QCOMPARE(readerName(u.control("InvForm", "gruz")), QString("Груз 0 из 150"));
        QCOMPARE(readerName(u.control("InvForm", "v1")), QString("Первая рука: без оружия"));
        QVERIFY(offTheBus(u.control("InvForm", "w1")));
    }

    void windowsOpenOnTheirFirstUsefulControl() {
        testqt::TestGame t;
        t.newGame();
        t.click("Gameform", "mapb");
        t.click("mapform", "Image14");
        QCOMPARE(t.form("Gameform")->focusWidget(), t.control("Gameform", "c1"));
        t.click("Gameform", "c1");
        t.click("Gameform", "ready");
        // The elder's line takes the focus, to be spoken.
        QCOMPARE(t.form("Gameform")->focusWidget(), t.control("Gameform", "rep"));
        closeFight(t);
        t.game->dispatcher().run([](World& w) {
            battle::chooseClick(w, 7);
            battle::readyClick(w);
            battle::epicClick(w);
        });
        QCOMPARE(t.form("accform")->focusWidget(), t.control("accform", "b1"));
        t.game->dispatcher().run([](World& w) { w.battle.vict.visible = true; });
        QCOMPARE(t.form("battle")->focusWidget(), t.control("battle", "vict"));
    }

    void theFocusFrameShowsOnlyForTab() {
        testqt::TestGame t;
        t.newGame();
        QWidget* game = t.form("Gameform");
        QWidget* map = t.control("Gameform", "mapb");
        map->setFocus(Qt::OtherFocusReason);
        auto ring = [game] { return game->findChild<QWidget*>("focusring"); };
        QVERIFY(!ring() || !ring()->isVisible());
        QTest::keyClick(map, Qt::Key_Tab);
        QVERIFY(ring() && ring()->isVisible());
        QWidget* now = game->focusWidget();
        QVERIFY(now != map);
        QCOMPARE(ring()->geometry(), now->geometry().adjusted(-3, -3, 3, 3));
        // Green on the window's black, round the control.
        const QImage shot = game->grab().toImage();
        const QPoint corner = now->mapTo(game, QPoint(-2, -2));
        QCOMPARE(shot.pixelColor(corner), QColor(0, 255, 0));
        map->setFocus(Qt::MouseFocusReason);
        QVERIFY(!ring()->isVisible());
    }
};

CINDERVALE_QT_TEST_MAIN(ReadersTest)
#include "test_readers.moc"
