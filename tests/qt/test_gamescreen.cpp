// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen's window: layout, fonts and colours, the menu bar, the font dialog and disabled input.
#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "game/story/gamescreen.h"
#include "qt/inspect.h"
#include "qt/look.h"
#include "qt/program.h"
#include "support.h"

using namespace cv;

namespace {

QAction* menuCommand(QWidget* window, const QString& menu, const QString& command) {
    auto* bar = window->findChild<QMenuBar*>();
    for (QAction* m : bar->actions())
        if (m->text() == menu)
            for (QAction* a : m->menu()->actions())
                if (a->text() == command) return a;
    return nullptr;
}

void showGameScreen(testqt::TestGame& t) {
    t.game->dispatcher().run([](World& w) {
        show(w.Gameform.window);
        hide(w.Menuform.window);
    });
}

} // namespace

class GameScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void layoutMatchesTheScreen() {
        testqt::TestGame t;
        showGameScreen(t);
        QVERIFY(t.form("Gameform")->isMaximized());
        const std::pair<const char*, QRect> places[] = {
            {"fon", {0, 0, 801, 561}},       {"m1", {181, 26, 444, 95}},
            {"m2", {181, 120, 444, 91}},     {"choose", {161, 248, 478, 129}},
            {"ready", {8, 352, 89, 65}},     {"rep", {173, 256, 476, 81}},
            {"a1", {152, 384, 489, 33}},     {"a5", {152, 520, 489, 33}},
            {"pros", {16, 518, 65, 28}},     {"mapb", {721, 434, 65, 20}},
            {"BitBtn2", {721, 453, 65, 20}}, {"BitBtn3", {721, 472, 65, 20}},
            {"BitBtn1", {721, 491, 65, 20}}};
        for (const auto& [name, rect] : places) {
            QWidget* c = t.control("Gameform", name);
            QVERIFY2(c, name);
            QCOMPARE(c->geometry(), rect);
        }
        for (int i = 1; i <= 5; ++i) {
            QWidget* c = t.control("Gameform", QString("c%1").arg(i));
            QCOMPARE(c->parentWidget()->objectName(), QString("choose"));
            QCOMPARE(c->geometry(), QRect(8, 13 + 25 * (i - 1), 466, 14));
            QCOMPARE(c->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(t.control("Gameform", "mapb")->toolTip(), QString("Самая важная кнопка"));
        QCOMPARE(t.control("Gameform", "pros")->toolTip(), QString("Просмотреть весь разговор"));
        QCOMPARE(t.control("Gameform", "fon")->property("picture").toString(), QString("talk.jpg"));
        QVERIFY(t.control("Gameform", "choose")->isHidden());
        QVERIFY(t.control("Gameform", "ready")->isHidden());
    }

    void textsAreGreenAndFontsHaveCyrillicLetters() {
        testqt::TestGame t;
        showGameScreen(t);
        for (const char* name : {"m1", "m2", "rep", "a1", "a5"}) {
            auto* l = qobject_cast<QLabel*>(t.control("Gameform", name));
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 255, 0));
            QVERIFY(l->wordWrap());
            // The requested families are rarely installed: whatever stands in must draw Cyrillic.
            const QFontMetrics fm(l->font());
            QVERIFY2(fm.inFont(QChar(0x0416)) && fm.inFont(QChar(0x0451)), name);
        }
        auto* m1 = qobject_cast<QLabel*>(t.control("Gameform", "m1"));
        QVERIFY(m1->font().bold());
        QCOMPARE(m1->font().pixelSize(), 13);
        auto* a1 = qobject_cast<QLabel*>(t.control("Gameform", "a1"));
        QCOMPARE(a1->font().family(), QString("Times New Roman"));
        QCOMPARE(a1->font().pixelSize(), 15);
    }

    void menuBarHasItsCommandsWithSavingDisabled() {
        testqt::TestGame t;
        QWidget* g = t.form("Gameform");
        QVERIFY(!menuCommand(g, "Игра", "Сохранить")->isEnabled());
        QVERIFY(!menuCommand(g, "Игра", "Загрузить")->isEnabled());
        QVERIFY(menuCommand(g, "Игра", "Выход")->isEnabled());
        QVERIFY(menuCommand(g, "Окно", "Шрифт"));
        menuCommand(g, "Помощь!!!", "Помощь!!!")->trigger();
        QApplication::processEvents();
        QVERIFY(t.form("help")->isVisible());
        menuCommand(g, "Игра", "Выход")->trigger();
        QCOMPARE(t.quits, 1);
    }

    void fontDialogChangesTheStoryLabelsOnly() {
        testqt::TestGame t;
        showGameScreen(t);
        QWidget* g = t.form("Gameform");
        auto font = [&](const char* name) {
            return qobject_cast<QWidget*>(t.control("Gameform", name))->font();
        };
        const QFont a1 = font("a1"), c1 = font("c1");
        t.fonts.answers.push_back(std::nullopt);
        menuCommand(g, "Окно", "Шрифт")->trigger();
        QCOMPARE(t.fonts.asked, 1);
        QVERIFY(g->isVisible());
        QVERIFY(!t.form("fonts")->isVisible());
        QCOMPARE(font("m1").pixelSize(), 13);

        t.fonts.answers.push_back(Font{"DejaVu Serif", 20, false});
        menuCommand(g, "Окно", "Шрифт")->trigger();
        QVERIFY(g->isVisible());
        const Font chosen{"DejaVu Serif", 20, false};
        QCOMPARE(t.world().Gameform.m1.font, chosen);
        QCOMPARE(t.world().Gameform.m2.font, chosen);
        QCOMPARE(t.world().Gameform.rep.font, chosen);
        for (const char* name : {"m1", "m2", "rep"})
            QCOMPARE(font(name).family(), QString("DejaVu Serif"));
        // The partner's line is empty and takes the size; a story text too long for its label at that size
        // is drawn at the largest size that keeps it whole, however large the chosen size.
        QCOMPARE(font("rep").pixelSize(), 20);
        auto needs = [](QLabel* l, int size) {
            QFont f = l->font();
            f.setPixelSize(size);
            return QFontMetrics(f)
                .boundingRect(QRect(0, 0, l->contentsRect().width(), 100000), Qt::TextWordWrap, l->text())
                .height();
        };
        int fitted = 0;
        for (int chosenSize : {20, 99999}) {
            t.fonts.answers.push_back(Font{"DejaVu Serif", chosenSize, false});
            menuCommand(g, "Окно", "Шрифт")->trigger();
            auto* m1 = qobject_cast<QLabel*>(t.control("Gameform", "m1"));
            if (chosenSize == 99999) QCOMPARE(m1->font().pixelSize(), fitted);
            fitted = m1->font().pixelSize();
            for (const char* name : {"m1", "m2"}) {
                auto* l = qobject_cast<QLabel*>(t.control("Gameform", name));
                const int size = l->font().pixelSize();
                QVERIFY(size < 20 && size > 13);
                QVERIFY(needs(l, size) <= l->contentsRect().height());
                QVERIFY(needs(l, size + 1) > l->contentsRect().height());
            }
        }
        QCOMPARE(font("a1"), a1);
        QCOMPARE(font("c1"), c1);
    }

    void theFontDialogStartsOnAnInstalledPlainFace() {
        const QFont start = qt::standInFont(Font{"MS Sans Serif", 13, false});
        QVERIFY(QFontDatabase::families().contains(start.family()));
        QVERIFY(!QFontDatabase::bold(start.family(), start.styleName()));
        QVERIFY(!QFontDatabase::italic(start.family(), start.styleName()));
        QVERIFY(QFontMetrics(start).inFont(QChar(0x0416)));
        const QFont bold = qt::standInFont(Font{"MS Sans Serif", 13, true});
        QVERIFY(QFontDatabase::bold(bold.family(), bold.styleName()));
    }

    void aRadioButtonTakesAClickOnItsCaption() {
        testqt::TestGame t;
        showGameScreen(t);
        t.game->dispatcher().run([](World& w) {
            w.story.curLocation = 4;
            resetGameScreen(w);
            w.Gameform.c[1].caption = "Уйти отсюда";
        });
        auto* c2 = qobject_cast<QRadioButton*>(t.control("Gameform", "c2"));
        QVERIFY(!t.control("Gameform", "ready")->isEnabled());
        t.clickAt(t.form("Gameform"), c2->mapTo(t.form("Gameform"), QPoint(30, 7)));
        QVERIFY(c2->isChecked());
        QVERIFY(t.world().Gameform.c[1].checked);
        QVERIFY(t.control("Gameform", "ready")->isEnabled());
    }

    void aDisabledGameScreenTakesNoClick() {
        testqt::TestGame t;
        showGameScreen(t);
        t.click("Gameform", "BitBtn3"); // the wrist computer disables the game screen
        QVERIFY(t.form("Vesk")->isVisible());
        QVERIFY(!t.form("Gameform")->takesInput());
        t.click("Gameform", "mapb");
        QVERIFY(!t.form("mapform")->isVisible());
        QVERIFY(t.form("Gameform")->isVisible());
        // The menu bar takes no click either: no menu opens.
        QWidget* bar = t.form("Gameform")->findChild<QMenuBar*>();
        t.clickAt(t.form("Gameform"), bar->mapTo(t.form("Gameform"), QPoint(15, bar->height() / 2)));
        QVERIFY(!QApplication::activePopupWidget());
    }

    void theStandardDialogsSpeakRussian() {
        testqt::TestGame t;
        qt::installTranslations();
        QFontDialog dialog;
        QStringList texts;
        for (QLabel* l : dialog.findChildren<QLabel*>())
            texts << l->text();
        for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
            texts << b->text();
        const QString all = texts.join('|');
        QVERIFY2(all.contains("Размер"), qPrintable(all));
        QVERIFY2(!all.contains("Size") && !all.contains("Cancel"), qPrintable(all));
    }

    void aDisabledWindowKeepsItsLook() {
        testqt::TestGame t;
        showGameScreen(t);
        QWidget* g = t.form("Gameform");
        const QRect layout(0, 0, 801, 561);
        QApplication::processEvents();
        const QImage before = g->grab(layout).toImage();
        t.game->dispatcher().run(veskClick); // the wrist computer disables the game screen
        QVERIFY(!t.form("Gameform")->takesInput());
        QCOMPARE(g->grab(layout).toImage(), before);
        QVERIFY(g->findChild<QMenuBar*>()->isEnabled());
    }
};

CINDERVALE_QT_TEST_MAIN(GameScreenTest)

#include "test_gamescreen.moc"
