// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture file of the game, broken every way a file can be broken, at the moment the game first
// loads it through the real windows: the error box names the file, the handler stops at that load with
// its earlier steps in effect, and the game goes on.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <map>

#include "game/assets/assets.h"
#include "game/character/creation.h"
#include "game/inventory/items.h"
#include "qt/inspect.h"
#include "support.h"

using namespace cv;

namespace {

enum class Fault { Missing, Empty, Garbage, CutInHeader };

QString faultName(Fault f) {
    switch (f) {
    case Fault::Missing:
        return "missing";
    case Fault::Empty:
        return "empty";
    case Fault::Garbage:
        return "garbage";
    case Fault::CutInHeader:
        return "cut short in its header";
    }
    return {};
}

// A copy of the built pictures with one file broken.
void copyAssets(const QString& to) {
    const QString from = CINDERVALE_TEST_ASSETS;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

void breakFile(const QString& path, Fault fault) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    f.close();
    QVERIFY(f.remove());
    if (fault == Fault::Missing) return;
    QVERIFY(f.open(QIODevice::WriteOnly));
    if (fault == Fault::Garbage) f.write(QByteArray(300, '\x5a') + "not a picture at all");
    if (fault == Fault::CutInHeader) f.write(good.left(12)); // the start marker and part of the first segment
}

// A male character, through the creation screen (its button is disabled in the layout).
void newMaleGame(testqt::TestGame& t) {
    t.click("Menuform", "BitBtn6");
    t.game->dispatcher().run([](World& w) {
        openForCreation(w);
        w.createform.sex.text = "Муж.";
    });
    t.click("createform", "Image2");
}

void run(testqt::TestGame& t, std::function<void(World&)> h) {
    t.game->dispatcher().run(std::move(h));
}

void pick(testqt::TestGame& t, const QString& window, const QString& list, int row) {
    auto* l = qobject_cast<QListWidget*>(t.control(window, list));
    l->scrollToItem(l->item(row));
    QWidget* w = t.form(window);
    t.clickAt(w, l->viewport()->mapTo(w, l->visualItemRect(l->item(row)).center()));
}

// Takes the item of the first line into a hand on the inventory screen.
void equip(testqt::TestGame& t, ItemId id) {
    run(t, [id](World& w) { addItem(w, id, 1); });
    t.click("Gameform", "BitBtn1");
    pick(t, "InvForm", "citem", 1);
    t.click("InvForm", "a1");
    t.click("InvForm", "ready");
}

// The rat's fight, from the corn field after the aunt's request.
void ratFight(testqt::TestGame& t) {
    run(t, [](World& w) { w.story.storyFlags[StoryFlag::questRat] = 1; });
    t.click("Gameform", "mapb");
    t.click("mapform", "Image13");
    t.click("Gameform", "c2");
    t.click("Gameform", "ready");
}

// How each file is first loaded, and what the stopped handler must have done and left undone.
struct Moment {
    std::function<void(testqt::TestGame&)> reach;
    std::function<void(testqt::TestGame&)> check;
};

std::map<std::string, Moment> moments() {
    std::map<std::string, Moment> m;
    // Start-up: the game screen's background, with the main menu up and working.
    m["talk.jpg"] = {[](testqt::TestGame&) {},
                     [](testqt::TestGame& t) {
                         QVERIFY(t.form("Menuform")->isVisible());
                         t.click("Menuform", "BitBtn4");
                         QVERIFY(t.form("auth")->isVisible());
                     }};
    // The temple's grove: the texts are shown, the step is not set.
    m["fon1.jpg"] = {[](testqt::TestGame& t) {
                         t.newGame();
                         run(t, [](World& w) { w.story.curStep = 5; });
                         t.click("Gameform", "mapb");
                         t.click("mapform", "Image10");
                     },
                     [](testqt::TestGame& t) {
                         QCOMPARE(t.text("Gameform", "m1"),
                                  QString("Вы подходите, к небольшой рощице у Храма Порога."));
                         QCOMPARE(t.world().story.curStep, 5);
                         QVERIFY(t.form("Gameform")->isVisible());
                     }};
    // A fight's enemy: the action list is built, the name is not set and the game screen stays.
    auto fightStopped = [](const char* name) {
        return [name](testqt::TestGame& t) {
            QVERIFY(t.form("Gameform")->isVisible());
            QVERIFY(!t.form("battle")->isVisible());
            QVERIFY(!t.world().battle.choose.items.empty());
            QVERIFY(t.world().battle.ename.text != name);
        };
    };
    m["enemy/rat.jpg"] = {[](testqt::TestGame& t) {
                              t.newGame();
                              ratFight(t);
                          },
                          fightStopped("Грызоклык")};
    m["enemy/gec.jpg"] = {[](testqt::TestGame& t) {
                              t.newGame();
                              t.click("Gameform", "mapb");
                              t.click("mapform", "Image9");
                              for (int i = 0; i < 3; ++i) {
                                  t.click("Gameform", "c1");
                                  t.click("Gameform", "ready");
                              }
                          },
                          [](testqt::TestGame& t) {
                              QVERIFY(!t.form("battle")->isVisible());
                              QCOMPARE(t.world().story.curStep, 112); // the step after the fight is not set
                          }};
    m["enemy/scorp.jpg"] = {[](testqt::TestGame& t) {
                                t.newGame();
                                t.click("Gameform", "mapb");
                                t.click("mapform", "Image10");
                                run(t, [](World& w) { w.story.curStep = 8; });
                                t.click("Gameform", "c2");
                                t.click("Gameform", "ready");
                            },
                            fightStopped("Cкорпион")};
    // The heroine's figure in a fight, by the weapon in her first hand: a weapon's entries are added
    // before the figure, bare hands' after it.
    auto fighter = [](std::function<void(testqt::TestGame&)> start, ItemId weapon) {
        return [start, weapon](testqt::TestGame& t) {
            start(t);
            if (weapon != ItemId::itNone) {
                equip(t, weapon);
                t.click("InvForm", "Image2");
            }
            ratFight(t);
        };
    };
    auto entries = [](int count) {
        return [count](testqt::TestGame& t) {
            QCOMPARE(int(t.world().battle.choose.items.size()), count);
            QVERIFY(!t.form("battle")->isVisible());
        };
    };
    for (int sex : {2, 1}) {
        const auto start =
            sex == 2 ? std::function<void(testqt::TestGame&)>(&testqt::TestGame::newGame) : newMaleGame;
        m[assets::viewPath("no", sex)] = {fighter(start, ItemId::itNone), entries(6)};
        m[assets::viewPath("knife", sex)] = {fighter(start, ItemId::itKnife), entries(8)};
        m[assets::viewPath("gun", sex)] = {fighter(start, ItemId::itPistol10mm), entries(8)};
        m[assets::viewPath("spear", sex)] = {fighter(start, ItemId::itSpear), entries(8)};
    }
    // The inventory's figures: the bare one when the character is taken, the others on taking a weapon
    // in hand, after the hand's own picture.
    m["show/fnono.jpg"] = {&testqt::TestGame::newGame, [](testqt::TestGame& t) {
                               QVERIFY(t.form("Gameform")->isVisible());
                               QVERIFY(t.world().createform.bon.visible == false); // not yet a sheet
                           }};
    m["show/mnono.jpg"] = {newMaleGame, [](testqt::TestGame& t) {
                               QVERIFY(t.form("Gameform")->isVisible());
                               QCOMPARE(t.world().character.playerSex, 1);
                           }};
    auto figure = [](std::function<void(testqt::TestGame&)> start, ItemId weapon) {
        return Moment{[start, weapon](testqt::TestGame& t) {
                          start(t);
                          equip(t, weapon);
                      },
                      [](testqt::TestGame& t) {
                          QVERIFY(t.world().inventory.hand1Slot == 1); // the hand has it
                          QVERIFY(t.world().InvForm.citem.items.at(1) !=
                                  "<<Использовано>>"); // the list not yet
                      }};
    };
    for (int sex : {2, 1}) {
        const auto start =
            sex == 2 ? std::function<void(testqt::TestGame&)>(&testqt::TestGame::newGame) : newMaleGame;
        m[assets::showKnifePath(sex)] = figure(start, ItemId::itKnife);
        m[assets::showPistolPath(sex)] = figure(start, ItemId::itPistol10mm);
        m[assets::showSpearPath(sex)] = figure(start, ItemId::itSpear);
    }
    // A hand's picture: the slot is taken, the name not written.
    auto hand = [](ItemId weapon) {
        return Moment{[weapon](testqt::TestGame& t) {
                          t.newGame();
                          equip(t, weapon);
                      },
                      [](testqt::TestGame& t) {
                          QCOMPARE(t.world().inventory.hand1Slot, 1);
                          QCOMPARE(t.text("InvForm", "w1"), QString("Без оружия:"));
                      }};
    };
    m["INV/knife.jpg"] = hand(ItemId::itKnife);
    m["INV/10mm.jpg"] = hand(ItemId::itPistol10mm);
    m["INV/knife2.jpg"] = hand(ItemId::itCombatKnife);
    m["INV/spear.jpg"] = hand(ItemId::itSpear);
    // The empty hand's picture: taking a weapon off.
    m["INV/no.jpg"] = {[](testqt::TestGame& t) {
                           t.newGame();
                           equip(t, ItemId::itKnife);
                           pick(t, "InvForm", "citem", 1);
                           t.click("InvForm", "a6");
                           t.click("InvForm", "ready");
                       },
                       [](testqt::TestGame& t) {
                           QCOMPARE(t.world().inventory.hand1Slot, 0);        // off the hand
                           QCOMPARE(t.text("InvForm", "w1"), QString("Нож")); // its name not yet changed
                       }};
    // The number glyphs: the heroine's statistics when she is taken; the others on the creation screen.
    for (const char* glyph : {"nums/05.bmp", "nums/07.bmp", "nums/08.bmp", "nums/06.bmp"})
        m[glyph] = {&testqt::TestGame::newGame, [](testqt::TestGame& t) {
                        QVERIFY(t.form("Gameform")->isVisible());
                        QVERIFY(t.world().createform.bon.visible); // a sheet already
                    }};
    auto creation = [](std::function<void(World&)> steps) {
        return Moment{[steps](testqt::TestGame& t) {
                          t.click("Menuform", "BitBtn6");
                          run(t, openForCreation);
                          run(t, steps);
                      },
                      [](testqt::TestGame& t) { QVERIFY(t.form("createform")->isVisible()); }};
    };
    auto lowerStrengthTo = [](int value) {
        return [value](World& w) {
            while (w.character.strength > value)
                lowerStat(w, 0);
        };
    };
    m["nums/04.bmp"] = creation(lowerStrengthTo(4));
    m["nums/03.bmp"] = creation(lowerStrengthTo(3));
    m["nums/02.bmp"] = creation([](World& w) { toggleTag(w, 1); }); // two tags left
    m["nums/01.bmp"] = creation(lowerStrengthTo(1));
    m["nums/00.bmp"] = creation([](World& w) {
        for (int s : {1, 2, 3})
            toggleTag(w, s);
    });
    auto raiseLuckTo = [](int value) {
        return [value](World& w) {
            for (int i = 0; i < 6; ++i)
                lowerStat(w, 2); // endurance gives its points
            while (w.character.luck < value)
                raiseStat(w, 5);
        };
    };
    m["nums/09.bmp"] = creation(raiseLuckTo(9));
    m["nums/10.bmp"] = creation(raiseLuckTo(10));
    return m;
}

} // namespace

class PictureFaultsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyFileBrokenEveryWayGivesTheErrorBoxAtItsFirstLoad() {
        const auto all = moments();
        QCOMPARE(int(all.size()), int(assets::assetTable().size()));
        for (const auto& file : assets::assetTable()) {
            const auto found = all.find(file.path);
            QVERIFY2(found != all.end(), file.path.c_str());
            for (Fault fault : {Fault::Missing, Fault::Empty, Fault::Garbage, Fault::CutInHeader}) {
                const QString what = QString::fromStdString(file.path) + ", " + faultName(fault);
                QTemporaryDir dir;
                copyAssets(dir.path());
                const QString broken = QDir(dir.path()).filePath(QString::fromStdString(file.path));
                breakFile(broken, fault);
                testqt::TestGame t(dir.path());
                t.rng.failOnEmpty = false; // the fights' rolls are not the point here
                found->second.reach(t);
                if (QTest::currentTestFailed()) QFAIL(qPrintable("could not reach the load of " + what));
                QVERIFY2(!t.messages.shown.isEmpty(), qPrintable("no error box for " + what));
                QCOMPARE(t.messages.shown.first(), "Cannot open file " + QDir::toNativeSeparators(broken));
                found->second.check(t);
                if (QTest::currentTestFailed()) QFAIL(qPrintable("after the failed load of " + what));
            }
        }
    }

    void aJpegCutShortInItsDataShowsWhatCouldBeDecoded() {
        QTemporaryDir dir;
        copyAssets(dir.path());
        QFile f(dir.filePath("enemy/rat.jpg"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qint64 size = f.size();
        QVERIFY(f.resize(size * 2 / 3));
        f.close();
        testqt::TestGame t(dir.path());
        t.rng.failOnEmpty = false;
        t.newGame();
        ratFight(t);
        QVERIFY(t.messages.shown.isEmpty());
        QVERIFY(t.form("battle")->isVisible());
        auto* epic = qobject_cast<QLabel*>(t.control("battle", "epic"));
        QVERIFY(!epic->pixmap().isNull());
        QCOMPARE(epic->property("picture").toString(), QString("enemy/rat.jpg"));
    }

    void aPictureWithAnUnknownExtensionSaysSo() {
        testqt::TestGame t;
        run(t, [](World& w) { loadPicture(w, w.Gameform.fon, "talk.gif"); });
        QCOMPARE(t.messages.shown, QStringList{"Unknown picture file extension (.gif)"});
        QCOMPARE(t.control("Gameform", "fon")->property("picture").toString(), QString("talk.jpg"));
    }
};

CINDERVALE_QT_TEST_MAIN(PictureFaultsTest)

#include "test_picture_faults.moc"
