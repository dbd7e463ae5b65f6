// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the twelve windows, their order, captions and sizes, and the main menu's buttons.
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QTest>

#include "qt/look.h"
#include "support.h"

using namespace cv;

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void windowsAreCreatedInOrderAndOnlyTheMenuShows() {
        testqt::TestGame t;
        const QStringList names{"Menuform", "auth", "createf", "Gameform",   "fonts",   "mapform",
                                "battle",   "help", "accform", "createform", "InvForm", "Vesk"};
        const QStringList captions{"Cindervale: Brassmoth Post Edition",
                                   "Авторы",
                                   "Создание персонажа",
                                   "Cindervale : Brassmoth Post Edition",
                                   "fonts",
                                   "mapform",
                                   "Драка",
                                   "Помощь",
                                   "Прицелиться",
                                   "Создание персонажа",
                                   "Инвентарь",
                                   "Вескарь"};
        // The twelve screens, and after them the story log.
        QCOMPARE(t.game->screenNames(), names + QStringList{"storylog"});
        // Start-up builds the main menu's window alone; the others are built when first needed.
        QCOMPARE(t.game->builtCount(), 1);
        QVERIFY(t.game->builtForm("Menuform"));
        QVERIFY(t.messages.shown.isEmpty()); // every picture of the start is there
        for (int i = 0; i < 12; ++i) {
            qt::Form* f = t.form(names[i]);
            QCOMPARE(f->objectName(), names[i]);
            QCOMPARE(f->windowTitle(), captions[i]);
            QCOMPARE(f->isVisible(), i == 0);
        }
    }

    void fixedWindowsHaveTheirSizes() {
        testqt::TestGame t;
        const std::pair<const char*, QSize> sizes[] = {{"Menuform", {432, 425}},   {"createf", {480, 360}},
                                                       {"createform", {800, 581}}, {"mapform", {581, 601}},
                                                       {"battle", {605, 466}},     {"Vesk", {484, 363}}};
        for (const auto& [name, size] : sizes)
            QCOMPARE(t.form(name)->canvas()->size(), size);
    }

    void menuButtonsShareOneColumn() {
        testqt::TestGame t;
        int top = -1;
        const QStringList buttons{"BitBtn6", "BitBtn4", "BitBtn1", "BitBtn3"};
        const QStringList captions{"Новая игра", "Авторы", "Помощь", "Выход"};
        for (int i = 0; i < 4; ++i) {
            auto* b = qobject_cast<QAbstractButton*>(t.control("Menuform", buttons[i]));
            QVERIFY(b);
            QCOMPARE(b->text(), captions[i]);
            QCOMPARE(b->size(), QSize(241, 24));
            QCOMPARE(b->x(), t.control("Menuform", "BitBtn6")->x());
            QVERIFY(b->y() > top);
            top = b->y();
        }
    }

    // Hovered, each button lights up with the lit picture's part under it, whatever the screen's density
    // (the picture drawn at twice the detail is read at its own scale).
    void theLitMenuButtonsShowTheirOwnPart() {
        testqt::TestGame t;
        QWidget* menu = t.form("Menuform")->canvas(); // the layout, under the title bar
        const QImage lit = qt::layoutImage("menu_lit");
        const qreal ratio = lit.devicePixelRatio();
        // A part of the window's picture, at the size it has on the screen.
        auto partOf = [&](const QRect& r) {
            const QRect pixels(QPointF(r.topLeft() * ratio).toPoint(), QSizeF(r.size() * ratio).toSize());
            return lit.copy(pixels).scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        };
        auto distance = [](const QImage& a, const QImage& b) {
            qint64 sum = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    sum += qAbs(qGreen(a.pixel(x, y)) - qGreen(b.pixel(x, y)));
            return double(sum) / (a.width() * a.height());
        };
        const QStringList buttons{"BitBtn6", "BitBtn4", "BitBtn1", "BitBtn3"};
        for (const QString& name : buttons) {
            QWidget* button = t.control("Menuform", name);
            const QPointF at = button->rect().center();
            QEnterEvent enter(at, button->mapTo(menu, at), button->mapToGlobal(at));
            QApplication::sendEvent(button, &enter);
            const QImage shown = menu->grab(button->geometry())
                                     .toImage()
                                     .scaled(button->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
            const double own = distance(shown, partOf(button->geometry()));
            QVERIFY2(own < 12, qPrintable(QString("%1 at %2: %3").arg(name).arg(ratio).arg(own)));
            // Clearly closer to its own caption than to any other button's (drawn again at a fractional
            // scale, no part matches exactly).
            for (const QString& other : buttons)
                if (other != name)
                    QVERIFY2(distance(shown, partOf(t.control("Menuform", other)->geometry())) > 1.5 * own,
                             qPrintable(name + " looks like " + other));
        }
    }

    void theLitMenuButtonsShowTheirOwnPartOnDenserScreens() {
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) QSKIP("already at a scale of its own");
        for (const char* factor : {"1.5", "2"}) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("QT_SCALE_FACTOR", factor);
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"theLitMenuButtonsShowTheirOwnPart"});
            QVERIFY(child.waitForFinished(60000));
            QVERIFY2(child.exitCode() == 0, qPrintable(QString("at %1:\n").arg(factor) + child.readAll()));
        }
    }

    void newGameSwapsTheMenuForTheReadyMadeScreen() {
        testqt::TestGame t;
        t.world().character.characterInPlay = 1;
        t.click("Menuform", "BitBtn6");
        QVERIFY(t.form("createf")->isVisible());
        QVERIFY(!t.form("Menuform")->isVisible());
        QCOMPARE(t.world().character.characterInPlay, 0);
    }

    void creditsAndHelpOpenOnceAndTheMenuStaysUsable() {
        testqt::TestGame t;
        t.click("Menuform", "BitBtn4");
        t.click("Menuform", "BitBtn4");
        QVERIFY(t.form("auth")->isVisible());
        t.click("Menuform", "BitBtn1");
        t.click("Menuform", "BitBtn1");
        QVERIFY(t.form("help")->isVisible());
        QVERIFY(t.form("help")->isMaximized());
        int helpWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "help") ++helpWindows;
        QCOMPARE(helpWindows, 1);
        // Closing the credits through the title bar hides them, and the game knows it.
        t.form("auth")->close();
        QApplication::processEvents();
        QVERIFY(!t.form("auth")->isVisible());
        QVERIFY(!t.world().auth.window.visible);
        QVERIFY(t.form("Menuform")->isEnabled());
    }

    void helpIsBoldBrightGreenOnBlack() {
        testqt::TestGame t;
        for (const char* name : {"ca", "Memo1", "Memo2", "Label1", "Label2"}) {
            auto* l = qobject_cast<QLabel*>(t.control("help", name));
            QVERIFY(l);
            QVERIFY(l->font().bold());
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 255, 0));
            QVERIFY(!l->text().isEmpty());
        }
        QCOMPARE(qobject_cast<QLabel*>(t.control("help", "Label1"))->text(), QString("Об Игре"));
        QCOMPARE(qobject_cast<QLabel*>(t.control("help", "Label2"))->text(), QString("По Игре"));
        QCOMPARE(t.form("help")->palette().color(QPalette::Window), QColor(0, 0, 0));
    }

    void exitAndClosingTheMenuEndTheProgram() {
        {
            testqt::TestGame t;
            t.click("Menuform", "BitBtn3");
            QCOMPARE(t.quits, 1);
            QVERIFY(!t.form("Menuform")->isVisible());
        }
        {
            testqt::TestGame t;
            t.form("Menuform")->close();
            QApplication::processEvents();
            QCOMPARE(t.quits, 1);
        }
    }

    void hintsWaitHalfASecond() {
        testqt::TestGame t;
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
    }
};

CINDERVALE_QT_TEST_MAIN(StartupTest)

#include "test_startup.moc"
