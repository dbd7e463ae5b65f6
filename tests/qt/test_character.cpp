// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character windows: the ready-made screen's layout, the creation screen and its sheet mode.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "game/character/creation.h"
#include "qt/inspect.h"
#include "qt/look.h"
#include "support.h"

using namespace cv;

namespace {

// What a player's click at the centre of a control would land on.
QWidget* topmostAt(testqt::TestGame& t, const QString& window, const QString& control) {
    QWidget* w = t.form(window);
    QWidget* c = t.control(window, control);
    return w->childAt(c->mapTo(w, c->rect().center()));
}

// Every one-line text fits its label, in whatever font stands in for the requested one.
bool allTextsFit(QWidget* window) {
    for (QLabel* l : window->findChildren<QLabel*>())
        if (!l->text().isEmpty() && !l->wordWrap() &&
            l->fontMetrics().horizontalAdvance(l->text()) > l->width()) {
            qWarning() << "does not fit:" << l->objectName() << l->text();
            return false;
        }
    return true;
}

} // namespace

class CharacterTest : public QObject {
    Q_OBJECT
  private slots:
    void readyMadeScreenLayout() {
        testqt::TestGame t;
        t.click("Menuform", "BitBtn6");
        QCOMPARE(t.control("createf", "Image1")->geometry(), QRect(34, 36, 90, 139));
        QCOMPARE(t.control("createf", "Image4")->geometry(), QRect(50, 238, 32, 18));
        QCOMPARE(t.control("createf", "Image3")->geometry(), QRect(50, 314, 32, 18));
        QCOMPARE(t.control("createf", "Image5")->geometry(), QRect(336, 314, 32, 18));
        QCOMPARE(t.control("createf", "Image4")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(t.control("createf", "Image3")->cursor().shape(), Qt::ArrowCursor);
        auto* name = qobject_cast<QLabel*>(t.control("createf", "k"));
        QCOMPARE(name->text(), QString("ДемоИгрок"));
        QCOMPARE(name->font().pixelSize(), 15);
        QCOMPARE(name->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        // Captions are dark green, values bright green.
        auto* caption = qobject_cast<QLabel*>(t.control("createf", "Label1"));
        auto* value = qobject_cast<QLabel*>(t.control("createf", "Label8"));
        QCOMPARE(caption->text(), QString("Сила"));
        QCOMPARE(value->text(), QString("05"));
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(caption->font().pixelSize(), 12);
        QCOMPARE(value->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QVERIFY(allTextsFit(t.form("createf")));
        const QStringList faults = testqt::textLayoutFaults(t.form("createf"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void creationModeButtonsWorkAndTakeNoClickOnTheSheet() {
        testqt::TestGame t;
        t.click("Menuform", "BitBtn6");
        t.game->dispatcher().run(openForCreation);
        QVERIFY(t.form("createform")->isVisible());
        QCOMPARE(topmostAt(t, "createform", "Image12"), t.control("createform", "Image12"));
        QCOMPARE(topmostAt(t, "createform", "Image30"), t.control("createform", "Image30"));
        t.click("createform", "Image12"); // raise strength
        QCOMPARE(t.world().character.strength, 6);
        QCOMPARE(qobject_cast<QLineEdit*>(t.control("createform", "cpleft"))->text(), QString("4"));
        QCOMPARE(t.control("createform", "sln")->property("picture").toString(), QString("nums/06.bmp"));
        t.click("createform", "Image30"); // tag small arms
        QCOMPARE(qobject_cast<QLabel*>(t.control("createform", "light"))->text(), QString("45"));
        QCOMPARE(qobject_cast<QLabel*>(t.control("createform", "s1"))->palette().color(QPalette::WindowText),
                 QColor(0, 128, 0));
        QCOMPARE(t.control("createform", "tleft")->property("picture").toString(), QString("nums/02.bmp"));
        t.click("createform", "Image1"); // cancel: back to the main menu
        QVERIFY(!t.form("createform")->isVisible());
        QVERIFY(t.form("Menuform")->isVisible());
    }

    void sheetCoversTheStatisticAndTagButtons() {
        testqt::TestGame t;
        t.newGame();
        t.click("Gameform", "BitBtn2");
        QVERIFY(t.form("createform")->isVisible());
        for (const char* b : {"Image12", "Image11", "Image57", "Image53"})
            QCOMPARE(topmostAt(t, "createform", b), t.control("createform", "bok2"));
        for (const char* b : {"Image30", "Image22", "Image14"})
            QCOMPARE(topmostAt(t, "createform", b), t.control("createform", "bok1"));
        // The game screen's button brings the bonus panel over the traits.
        QCOMPARE(topmostAt(t, "createform", "Image46"), t.control("createform", "bonusp"));
        for (const char* b : {"bon", "kar", "kil"})
            QVERIFY(!t.control("createform", b)->isHidden());
        QVERIFY(qobject_cast<QLineEdit*>(t.control("createform", "namec"))->isReadOnly());
        QVERIFY(!t.control("createform", "sex")->isEnabled());
    }

    void creationScreenLayout() {
        testqt::TestGame t;
        QCOMPARE(t.form("createform")->canvas()->size(), QSize(800, 581));
        QCOMPARE(t.control("createform", "sln")->geometry(), QRect(54, 40, 33, 22));
        QCOMPARE(t.control("createform", "lvn")->geometry(), QRect(62, 206, 33, 22));
        QCOMPARE(t.control("createform", "udn")->geometry(), QRect(54, 233, 33, 22));
        QCOMPARE(t.control("createform", "Image12")->geometry(), QRect(155, 38, 14, 10));
        QCOMPARE(t.control("createform", "Image52")->geometry(), QRect(155, 127, 14, 10));
        QCOMPARE(t.control("createform", "cpleft")->pos(), QPoint(101, 230));
        QCOMPARE(t.control("createform", "tleft")->pos(), QPoint(519, 227));
        QCOMPARE(t.control("createform", "traitsp")->geometry(), QRect(7, 294, 320, 158));
        QCOMPARE(t.control("createform", "bonusp")->geometry(), QRect(7, 262, 320, 158));
        QCOMPARE(t.control("createform", "Image2")->geometry(), QRect(371, 368, 13, 16));
        QCOMPARE(t.control("createform", "Image1")->geometry(), QRect(450, 369, 13, 16));
        QCOMPARE(t.control("createform", "s1")->pos(), QPoint(363, 20));
        QCOMPARE(t.control("createform", "s17")->pos(), QPoint(363, 163));
        QCOMPARE(t.control("createform", "light")->pos(), QPoint(521, 20));
        QCOMPARE(t.control("createform", "t1")->pos(), QPoint(47, 325));
        QCOMPARE(t.control("createform", "t8")->pos(), QPoint(47, 399));
        QCOMPARE(t.control("createform", "t9")->pos(), QPoint(164, 327));
        QCOMPARE(t.control("createform", "t14")->pos(), QPoint(164, 380));
        QVERIFY(allTextsFit(t.form("createform")));
        // The sheet's seventeen skills stand 9 pixels apart, closer than the stand-in font's rows: there
        // the texts may not overlap, but need no clear row between them.
        QStringList faults = testqt::textLayoutFaults(t.form("createform"), false);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        t.newGame();
        t.click("Gameform", "BitBtn2");
        t.click("createform", "bon");
        QVERIFY(allTextsFit(t.form("createform")));
        faults = testqt::textLayoutFaults(t.form("createform"), false);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        for (const char* hidden : {"kil", "kar"})
            QVERIFY(!t.control("createform", hidden)->isHidden());
    }

    void onlyTheButtonsShowTheHand() {
        testqt::TestGame t;
        QStringList expected{"Image2", "Image1"}; // accept, cancel
        for (auto names : {screens::kRaiseNames, screens::kLowerNames})
            for (auto n : names)
                expected << QString::fromUtf8(n.data(), int(n.size()));
        for (auto n : screens::kTagButtonNames)
            expected << QString::fromUtf8(n.data(), int(n.size()));
        for (auto n : screens::kTraitButtonNames)
            expected << QString::fromUtf8(n.data(), int(n.size()));
        for (int i = 1; i <= 17; ++i)
            expected << QString("s%1").arg(i); // the skill captions act on a click too
        QStringList hands;
        for (QWidget* c : qt::controlsOf(t.form("createform")))
            if (c->cursor().shape() == Qt::PointingHandCursor) hands << c->objectName();
        expected.sort();
        hands.sort();
        QCOMPARE(hands, expected);
        QCOMPARE(t.control("createform", "t1")->cursor().shape(), Qt::ArrowCursor);
    }

    void creationScreenStartsInCreationMode() {
        testqt::TestGame t;
        for (const char* hidden : {"bon", "kar", "kil", "select", "splus", "smin"})
            QVERIFY(t.control("createform", hidden)->isHidden());
        auto* s1 = qobject_cast<QLabel*>(t.control("createform", "s1"));
        QCOMPARE(s1->font().pixelSize(), 9);
        QVERIFY(s1->font().bold());
        QCOMPARE(s1->text(), QString("Ручное оружие"));
        QCOMPARE(qobject_cast<QLabel*>(t.control("createform", "light"))->text(), QString("25"));
        QCOMPARE(qobject_cast<QLabel*>(t.control("createform", "hp"))->text(), QString("30"));
        QCOMPARE(qobject_cast<QLabel*>(t.control("createform", "st1"))->palette().color(QPalette::WindowText),
                 QColor(0, 128, 0));
    }
};

CINDERVALE_QT_TEST_MAIN(CharacterTest)

#include "test_character.moc"
