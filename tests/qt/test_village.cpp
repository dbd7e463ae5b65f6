// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The village's windows: the map's pictures and back arrow, the answers of the game screen, and the
// wrist computer with its quest lines.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "game/story/questlog.h"
#include "qt/inspect.h"
#include "support.h"

using namespace cv;

namespace {} // namespace

class VillageTest : public QObject {
    Q_OBJECT
  private slots:
    void theMapHasEveryPlaceWhereTheLayoutPutsIt() {
        testqt::TestGame t;
        t.newGame();
        t.click("Gameform", "mapb");
        QVERIFY(t.form("mapform")->isVisible());
        QCOMPARE(t.form("mapform")->size(), QSize(581, 601));
        const struct {
            const char* name;
            QRect rect;
            const char* hint;
        } places[] = {
            {"Image12", {85, 88, 60, 43}, "Идти к Брастону-охраннику"},
            {"Image15", {94, 180, 76, 62}, "Идти к Ольмиру"},
            {"Image16", {280, 175, 28, 30}, "Идти к Ведрику"},
            {"Image3", {355, 100, 182, 74}, "Идти к деревенским двурогам"},
            {"Image13", {386, 175, 157, 85}, "Идти на кукурузное поле"},
            {"Image5", {416, 273, 78, 55}, "Идти к Колвену"},
            {"Image7", {324, 311, 71, 55}, "Идти в дом одного из жителей"},
            {"Image14", {154, 260, 84, 65}, "Идти к Старейшине"},
            {"Image6", {89, 327, 72, 63}, "Идти в дом одного из жителей"},
            {"Image8", {199, 336, 54, 33}, "Идти к Эрвальду"},
            {"Image4", {276, 249, 71, 55}, "Идти к Дорену"},
            {"Image2", {253, 370, 72, 62}, "Идти к злой тётке Гризне"},
            {"Image9", {46, 132, 24, 50}, "Идти к охотничьим землям"},
            {"Image10", {251, 88, 46, 25}, "Идти к храму"},
            {"Image11", {422, 439, 120, 37}, "Идти к Мосту"},
            {"Image17", {230, 570, 21, 22}, "Назад"},
        };
        for (const auto& p : places) {
            QWidget* c = t.control("mapform", p.name);
            QVERIFY2(c, p.name);
            QCOMPARE(c->geometry(), p.rect);
            QCOMPARE(c->toolTip(), QString(p.hint));
            QCOMPARE(c->cursor().shape(), Qt::PointingHandCursor);
        }
        auto* caption = qobject_cast<QLabel*>(t.control("mapform", "Label1"));
        QCOMPARE(caption->text(), QString("Тарнвель : Деревня"));
        QCOMPARE(caption->pos(), QPoint(219, 496));
        const QStringList faults = testqt::textLayoutFaults(t.form("mapform"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void aClickOnAPlaceEntersItAndBackReturnsAsItWas() {
        testqt::TestGame t;
        t.newGame();
        t.click("Gameform", "mapb");
        t.click("mapform", "Image14"); // the elder's tent
        QVERIFY(!t.form("mapform")->isVisible());
        QVERIFY(t.form("Gameform")->isVisible());
        QCOMPARE(t.world().story.curLocation, int(locElder));
        QCOMPARE(qobject_cast<QAbstractButton*>(t.control("Gameform", "c1"))->text(),
                 QString("Прокашляться"));
        QVERIFY(t.control("Gameform", "c3")->isHidden());
        QVERIFY(!t.control("Gameform", "ready")->isEnabled());
        t.click("Gameform", "c2");
        t.click("Gameform", "mapb");
        t.click("mapform", "Image17");
        QVERIFY(t.form("Gameform")->isVisible());
        QVERIFY(qobject_cast<QAbstractButton*>(t.control("Gameform", "c2"))->isChecked());
        QVERIFY(t.control("Gameform", "ready")->isEnabled());
    }

    void answersTakeClicksAndAHiddenOneTakesNone() {
        testqt::TestGame t;
        t.newGame();
        t.click("Gameform", "mapb");
        t.click("mapform", "Image14");
        t.click("Gameform", "c1");
        t.click("Gameform", "ready");
        QCOMPARE(t.world().story.curStep, 1);
        // a2 is empty but shows: it takes the click, and at this step nothing answers it.
        t.click("Gameform", "a2");
        QCOMPARE(t.world().story.curStep, 1);
        t.click("Gameform", "a1");
        QCOMPARE(t.world().story.curStep, 2);
        QCOMPARE(t.control("Gameform", "a1")->cursor().shape(), Qt::PointingHandCursor);
        // The spear master without a spear: his second answer is hidden, and a click there does nothing.
        t.click("Gameform", "mapb");
        t.click("mapform", "Image5");
        t.click("Gameform", "c1");
        t.click("Gameform", "ready");
        t.click("Gameform", "a2");
        QCOMPARE(t.world().story.curStep, 3);
        QVERIFY(t.control("Gameform", "a2")->isHidden());
        t.click("Gameform", "a2");
        QCOMPARE(t.world().story.curStep, 3);
    }

    void theWristComputerShowsItsHeadingThenItsLines() {
        testqt::TestGame t;
        t.newGame();
        QCOMPARE(t.form("Vesk")->size(), QSize(484, 363));
        const std::pair<const char*, QRect> places[] = {
            {"Image2", {40, 337, 13, 16}}, {"Image3", {40, 255, 13, 16}}, {"z1", {195, 59, 220, 30}},
            {"z2", {195, 105, 220, 30}},   {"z3", {195, 150, 220, 30}},   {"z5", {195, 196, 220, 30}},
            {"z4", {195, 241, 220, 30}}};
        for (const auto& [name, rect] : places)
            QCOMPARE(t.control("Vesk", name)->geometry(), rect);
        QCOMPARE(t.control("Vesk", "ar")->pos(), QPoint(201, 39));
        t.game->dispatcher().run([](World& w) {
            setQuestLine(w, QuestLine::z1, "Принести Ведрику мяса дла Кудла");
            setQuestLine(w, QuestLine::z2, "Убить крысу");
            setQuestLine(w, QuestLine::z3, "Принести травы Ольмиру");
            setQuestLine(w, QuestLine::z4, "Сказать Эрвальду, что обеда не будет.");
            setQuestLine(w, QuestLine::z5, "Достать нож Эрвальда из колодца.");
        });
        t.click("Gameform", "BitBtn3");
        QVERIFY(!t.form("Gameform")->takesInput());
        QVERIFY(t.control("Vesk", "ar")->isHidden());
        QVERIFY(t.control("Vesk", "z1")->isHidden());
        t.click("Vesk", "Image3");
        QVERIFY(!t.control("Vesk", "ar")->isHidden());
        t.click("Vesk", "ar");
        for (const char* z : {"z1", "z2", "z3", "z4", "z5"})
            QVERIFY(!t.control("Vesk", z)->isHidden());
        const QStringList faults = testqt::textLayoutFaults(t.form("Vesk"), false);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        t.click("Vesk", "Image2");
        QVERIFY(!t.form("Vesk")->isVisible());
        QVERIFY(t.form("Gameform")->takesInput());
        // Closing hid the lines; the heading is hidden again at the next opening.
        QVERIFY(t.control("Vesk", "z1")->isHidden());
        t.click("Gameform", "BitBtn3");
        QVERIFY(t.control("Vesk", "ar")->isHidden());
    }
};

CINDERVALE_QT_TEST_MAIN(VillageTest)

#include "test_village.moc"
