// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fight's windows: the combat screen's layout and its timers through the real windows, the aimed
// attack's body-part screen, and the inventory screen.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "game/combat/battle.h"
#include "game/inventory/items.h"
#include "qt/inspect.h"
#include "support.h"

using namespace cv;

namespace {

void startFight(testqt::TestGame& t, int fight) {
    t.newGame();
    t.game->dispatcher().run([fight](World& w) { cv::startFight(w, fight); });
}

void pick(testqt::TestGame& t, const QString& window, const QString& list, int row) {
    auto* l = qobject_cast<QListWidget*>(t.control(window, list));
    QWidget* w = t.form(window);
    l->scrollToItem(l->item(row));
    t.clickAt(w, l->viewport()->mapTo(w, l->visualItemRect(l->item(row)).center()));
}

} // namespace

class FightTest : public QObject {
    Q_OBJECT
  private slots:
    void theActionListOpensAtItsFirstWholeLineWithNoneChosen() {
        testqt::TestGame t;
        startFight(t, 2);
        auto* list = qobject_cast<QListWidget*>(t.control("battle", "choose"));
        pick(t, "battle", "choose", 5); // scrolled down to "Инвентарь   4"
        t.game->dispatcher().run([](World& w) { hide(w.battle.window); });
        t.game->dispatcher().run([](World& w) { cv::startFight(w, 2); }); // it keeps that fixed line chosen
        QCOMPARE(list->indexAt(QPoint(2, 2)).row(), 0);
        // Only whole lines show: the last one ends where the list does, above "Сделать".
        const int lastRow = list->indexAt(QPoint(2, list->viewport()->height() - 1)).row();
        const QRect last = list->visualItemRect(list->item(lastRow));
        QCOMPARE(last.bottom(), list->viewport()->height() - 1);
        // A fresh fight has no line chosen, and taking the keyboard's focus chooses none either.
        t.game->dispatcher().run([](World& w) {
            hide(w.battle.window);
            w.battle.choose.selected = -1;
        });
        t.game->dispatcher().run([](World& w) { cv::startFight(w, 1); });
        list->setFocus();
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(list->selectedItems().isEmpty());
    }

    void theCombatScreenIsLaidOutAndItsTextsFit() {
        testqt::TestGame t;
        startFight(t, 1);
        QVERIFY(t.form("battle")->isVisible());
        QVERIFY(!t.form("Gameform")->isVisible());
        QCOMPARE(t.form("battle")->size(), QSize(605, 466));
        const std::pair<const char*, QRect> places[] = {
            {"char", {0, 137, 47, 64}},      {"epic", {624, 137, 47, 64}},    {"warn", {6, 338, 240, 33}},
            {"choose", {260, 336, 196, 72}}, {"ready", {260, 410, 196, 22}},  {"vict", {220, 0, 175, 49}},
            {"lose", {220, 0, 175, 49}},     {"BitBtn1", {124, 429, 117, 37}}};
        for (const auto& [name, rect] : places)
            QCOMPARE(t.control("battle", name)->geometry(), rect);
        for (const auto& [name, at] : {std::pair<const char*, QPoint>{"Label1", {258, 26}},
                                       {"dis", {294, 52}},
                                       {"Label4", {72, 20}},
                                       {"tp", {193, 19}},
                                       {"cname", {0, 52}},
                                       {"ename", {455, 52}},
                                       {"Label13", {7, 397}},
                                       {"Label11", {7, 410}},
                                       {"Label9", {7, 423}},
                                       {"Label7", {7, 436}},
                                       {"Label8", {7, 449}},
                                       {"BitBtn3", {267, 442}},
                                       {"endt", {343, 442}}})
            QCOMPARE(t.control("battle", name)->pos(), at);
        QCOMPARE(t.text("battle", "dis"), QString("20"));
        QCOMPARE(t.text("battle", "tp"), QString("9"));
        QCOMPARE(t.text("battle", "ename"), QString("Грызоклык"));
        QCOMPARE(t.text("battle", "esos"), QString("Целёхонек"));
        QCOMPARE(qobject_cast<QLabel*>(t.control("battle", "dis"))->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        QVERIFY(!t.control("battle", "BitBtn1")->isEnabled());
        QCOMPARE(t.control("battle", "epic")->property("picture").toString(), QString("enemy/rat.jpg"));
        QCOMPARE(t.control("battle", "char")->property("picture").toString(), QString("view/nov.jpg"));
        const QStringList faults = testqt::textLayoutFaults(t.form("battle"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void targetingShowsTheCrossHairAndTheChance() {
        testqt::TestGame t;
        startFight(t, 1);
        t.game->dispatcher().run([](World& w) { w.battle.dis.value = 1; });
        pick(t, "battle", "choose", 6); // "Удар   3"
        t.click("battle", "ready");
        QCOMPARE(t.text("battle", "warn"), QString("Выберете цель..."));
        QCOMPARE(t.control("battle", "epic")->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(t.control("battle", "epic")->toolTip(), QString("42%")); // unarmed 46 - 4
        // Any entry chosen ends the targeting.
        pick(t, "battle", "choose", 2);
        QCOMPARE(t.control("battle", "epic")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(t.text("battle", "warn"), QString());
    }

    void theEnemysTurnIsPlayedByTheTimers() {
        testqt::TestGame t;
        startFight(t, 1);
        t.click("battle", "endt");
        QVERIFY(t.world().battle.Timer1.running);
        // 250 ms a step: six steps, then the last tick gives the screen back.
        t.game->advance(250);
        QCOMPARE(t.text("battle", "dis"), QString("19"));
        QVERIFY(!t.form("battle")->takesInput());
        t.game->advance(250 * 6);
        QCOMPARE(t.text("battle", "dis"), QString("14"));
        QCOMPARE(t.control("battle", "epic")->x(), 438);
        QVERIFY(t.form("battle")->takesInput());
        QVERIFY(!t.world().battle.Timer1.running);
    }

    void theBodyPartScreenShowsItsChancesAndWaitsForAPart() {
        testqt::TestGame t;
        startFight(t, 1);
        // As if the rat had come up to the player.
        t.game->dispatcher().run([](World& w) {
            w.battle.dis.value = 1;
            w.battle.epic.left = 38;
        });
        pick(t, "battle", "choose", 7); // "Приц. Удар   4"
        t.click("battle", "ready");
        t.click("battle", "epic");
        QVERIFY(t.form("accform")->isVisible());
        QVERIFY(!t.form("battle")->takesInput());
        QCOMPARE(t.control("accform", "pric")->geometry(), QRect(0, 0, 150, 132));
        const char* chances[5] = {"10", "16", "23", "32", "32"}; // from 42
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(t.control("accform", QString("b%1").arg(i + 1))->pos(), QPoint(29, 8 + 18 * i));
            QCOMPARE(t.control("accform", QString("t%1").arg(i + 1))->pos(), QPoint(124, 8 + 18 * i));
            QCOMPARE(t.text("accform", QString("t%1").arg(i + 1)), QString(chances[i]));
        }
        QCOMPARE(t.control("accform", "ready")->geometry(), QRect(43, 102, 61, 24));
        QVERIFY(!t.control("accform", "ready")->isEnabled());
        t.click("accform", "ready");
        QVERIFY(t.form("accform")->isVisible());
        t.click("accform", "b2");
        QVERIFY(t.control("accform", "ready")->isEnabled());
        t.rng.queued = {99}; // a miss
        t.click("accform", "ready");
        QVERIFY(!t.form("accform")->isVisible());
        QVERIFY(t.form("battle")->takesInput());
        QCOMPARE(t.text("battle", "warn"), QString("ДемоИгрок бьёт."));
        t.game->advance(750);
        QCOMPARE(t.text("battle", "warn"), QString("Вы промахнулись"));
        const QStringList faults = testqt::textLayoutFaults(t.form("accform"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void theInventoryListsTheStoreAndShowsTheHands() {
        testqt::TestGame t;
        t.click("Menuform", "BitBtn6");
        t.click("createf", "Image4");
        t.game->dispatcher().run([](World& w) {
            addItem(w, ItemId::itKnife, 1);
            addItem(w, ItemId::itMeat, 3);
        });
        t.click("Gameform", "BitBtn1");
        QVERIFY(t.form("InvForm")->isVisible());
        QVERIFY(!t.form("Gameform")->takesInput());
        QCOMPARE(*qt::controlProperty(t.control("InvForm", "citem"), "items"), QString("<<<--->>>|Нож|Мясо"));
        QCOMPARE(t.text("InvForm", "gruz"), QString("2"));
        QCOMPARE(t.text("InvForm", "fwe"), QString("150"));
        QCOMPARE(t.text("InvForm", "hp"), QString("30"));
        pick(t, "InvForm", "citem", 1);
        QVERIFY(!t.control("InvForm", "choose")->isHidden());
        QCOMPARE(t.text("InvForm", "itext"), QString("Заточенное орудие, используемое для разделки туш."));
        QCOMPARE(t.text("InvForm", "numb"), QString("1"));
        t.click("InvForm", "a1");
        t.click("InvForm", "ready");
        QCOMPARE(t.text("InvForm", "w1"), QString("Нож"));
        QCOMPARE(t.text("InvForm", "max1"), QString("9"));
        QCOMPARE(t.control("InvForm", "v1")->property("picture").toString(), QString("inv/knife.jpg"));
        QCOMPARE(t.control("InvForm", "curshow")->property("picture").toString(),
                 QString("show/fknifeno.jpg"));
        QCOMPARE(*qt::controlProperty(t.control("InvForm", "citem"), "items"),
                 QString("<<<--->>>|<<Использовано>>|Мясо"));
        const QStringList faults = testqt::textLayoutFaults(t.form("InvForm"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        t.click("InvForm", "Image2");
        QVERIFY(!t.form("InvForm")->isVisible());
        QVERIFY(t.form("Gameform")->takesInput());
    }
};

CINDERVALE_QT_TEST_MAIN(FightTest)

#include "test_fight.moc"
