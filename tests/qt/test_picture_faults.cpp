// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture file of the game, broken every way a file can be broken, at the moment the game first
// loads it through the real windows: the error box names the file, the handler stops at that load
// without leaving the game broken, and the game goes on.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <functional>
#include <map>
#include <sys/stat.h>

#include "game/assets/assets.h"
#include "game/character/creation.h"
#include "game/inventory/items.h"
#include "game/state/story.h"
#include "qt/inspect.h"
#include "support.h"

using namespace cv;

namespace {

enum class Fault {
    Missing,
    Empty,
    Garbage,
    CutInHeader,
    // A header that reads well, with nothing a decoder can make a picture of behind it.
    GarbageAfterHeader,  // a JPEG's segments up to its frame, then garbage instead of its tables and scan
    HeaderAlone,         // a JPEG without its scan, a bitmap without its pixels
    OverAllocationLimit, // 60000 x 60000 pixels, 100000 x 100000 for a bitmap
    ImpossibleWidth,     // a bitmap's negative width, a JPEG's width of 0
    Fifo,                // a named pipe in the file's place, which must not block the game
};
// Every file is broken the plain ways; the ways only a decoder finds out are the decoder's business, so
// the start-up's picture, a JPEG of play and a bitmap stand for the rest.
const Fault kEveryFile[] = {Fault::Missing, Fault::Empty, Fault::Garbage, Fault::CutInHeader};
const Fault kDecoderFaults[] = {Fault::GarbageAfterHeader, Fault::HeaderAlone, Fault::OverAllocationLimit,
                                Fault::ImpossibleWidth, Fault::Fifo};
const char* const kDecoderFaultFiles[] = {"talk.jpg", "enemy/rat.jpg", "nums/07.bmp"};

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
    case Fault::GarbageAfterHeader:
        return "garbage after its header";
    case Fault::HeaderAlone:
        return "its header alone";
    case Fault::OverAllocationLimit:
        return "over the allocation limit";
    case Fault::ImpossibleWidth:
        return "an impossible width";
    case Fault::Fifo:
        return "a named pipe";
    }
    return {};
}

// The built pictures, linked into a folder of their own where one of them is broken.
void copyAssets(const QString& to) {
    const QString from = CINDERVALE_TEST_ASSETS;
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::link(file, target);
    }
}

// Where a JPEG's frame header and its scan begin.
struct JpegSegments {
    qsizetype frame = -1, frameEnd = -1, scan = -1;
};
JpegSegments segmentsOf(const QByteArray& jpeg) {
    JpegSegments s;
    auto byte = [&](qsizetype i) { return static_cast<unsigned char>(jpeg[i]); };
    for (qsizetype i = 2; i + 4 <= jpeg.size();) {
        const int marker = byte(i + 1);
        const qsizetype end = i + 2 + (byte(i + 2) << 8 | byte(i + 3));
        if (marker == 0xDA) {
            s.scan = i;
            break;
        }
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            s.frame = i, s.frameEnd = end;
        i = end;
    }
    return s;
}

// Breaks the file that way; false for a way that does not apply to its kind of file.
bool breakFile(const QString& path, Fault fault) {
    const bool bitmap = path.endsWith(".bmp");
    if (bitmap && fault == Fault::GarbageAfterHeader) return false; // a bitmap's data is pixels, any bytes
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QByteArray data = f.readAll();
    f.close();
    f.remove();
    const JpegSegments jpeg = bitmap ? JpegSegments{} : segmentsOf(data);
    if (!bitmap && (jpeg.frame < 0 || jpeg.scan < jpeg.frameEnd)) return false;
    switch (fault) {
    case Fault::Missing:
        return true;
    case Fault::Fifo:
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Fault::Empty:
        data.clear();
        break;
    case Fault::Garbage:
        data = QByteArray(300, '\x5a') + "not a picture at all";
        break;
    case Fault::CutInHeader:
        data = data.left(12); // the start marker and part of the first segment
        break;
    case Fault::GarbageAfterHeader:
        data = data.left(jpeg.frameEnd) + QByteArray(data.size() - jpeg.frameEnd, '\x5a');
        break;
    case Fault::HeaderAlone:
        data = data.left(bitmap ? 54 : jpeg.scan);
        break;
    case Fault::OverAllocationLimit:
        if (bitmap) {
            qToLittleEndian<qint32>(100000, data.data() + 18);
            qToLittleEndian<qint32>(100000, data.data() + 22);
        } else {
            qToBigEndian<quint16>(60000, data.data() + jpeg.frame + 5);
            qToBigEndian<quint16>(60000, data.data() + jpeg.frame + 7);
        }
        break;
    case Fault::ImpossibleWidth:
        if (bitmap)
            qToLittleEndian<qint32>(-33, data.data() + 18);
        else
            qToBigEndian<quint16>(0, data.data() + jpeg.frame + 7);
        break;
    }
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(data) == data.size();
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
    // The temple's grove: the texts are shown and the step is set, so its choices act as the grove's.
    m["fon1.jpg"] = {[](testqt::TestGame& t) {
                         t.newGame();
                         run(t, [](World& w) { w.story.curStep = 5; });
                         t.click("Gameform", "mapb");
                         t.click("mapform", "Image10");
                     },
                     [](testqt::TestGame& t) {
                         QCOMPARE(t.text("Gameform", "m1"),
                                  QString("Вы подходите, к небольшой рощице у Храма Порога."));
                         QCOMPARE(t.world().story.curStep, steps::templeGrove);
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
    // The inventory's figures: the bare one when the character is taken, which leaves the character's
    // screen up and no game begun; the others on taking a weapon in hand, with the hand's own picture,
    // which leaves the hands and the list as they were.
    auto notBegun = [](const char* screen) {
        return [screen](testqt::TestGame& t) {
            QVERIFY(t.form(screen)->isVisible());
            QVERIFY(!t.form("Gameform")->isVisible());
            QCOMPARE(t.world().character.characterInPlay, 0);
        };
    };
    m["show/fnono.jpg"] = {&testqt::TestGame::newGame, notBegun("createf")};
    m["show/mnono.jpg"] = {newMaleGame, notBegun("createform")};
    auto figure = [](std::function<void(testqt::TestGame&)> start, ItemId weapon) {
        return Moment{[start, weapon](testqt::TestGame& t) {
                          start(t);
                          equip(t, weapon);
                      },
                      [](testqt::TestGame& t) {
                          QCOMPARE(t.world().inventory.hand1Slot, 0);
                          QCOMPARE(t.text("InvForm", "w1"), QString("Без оружия:"));
                          QVERIFY(t.world().InvForm.citem.items.at(1) != "<<Использовано>>");
                      }};
    };
    for (int sex : {2, 1}) {
        const auto start =
            sex == 2 ? std::function<void(testqt::TestGame&)>(&testqt::TestGame::newGame) : newMaleGame;
        m[assets::showKnifePath(sex)] = figure(start, ItemId::itKnife);
        m[assets::showPistolPath(sex)] = figure(start, ItemId::itPistol10mm);
        m[assets::showSpearPath(sex)] = figure(start, ItemId::itSpear);
    }
    auto hand = [figure](ItemId weapon) { return figure(&testqt::TestGame::newGame, weapon); };
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
                           QCOMPARE(t.world().inventory.hand1Slot, 1); // still in the hand
                           QCOMPARE(t.text("InvForm", "w1"), QString("Нож"));
                       }};
    // The number glyphs: the heroine's statistics when she is taken; the others on the creation screen.
    for (const char* glyph : {"nums/05.bmp", "nums/07.bmp", "nums/08.bmp", "nums/06.bmp"})
        m[glyph] = {&testqt::TestGame::newGame, notBegun("createf")};
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
        std::vector<std::pair<std::string, Fault>> cases;
        for (const auto& file : assets::assetTable())
            for (Fault fault : kEveryFile)
                cases.emplace_back(file.path, fault);
        for (const char* file : kDecoderFaultFiles)
            for (Fault fault : kDecoderFaults)
                cases.emplace_back(file, fault);
        for (const auto& [path, fault] : cases) {
            const auto found = all.find(path);
            QVERIFY2(found != all.end(), path.c_str());
            const QString what = QString::fromStdString(path) + ", " + faultName(fault);
            QTemporaryDir dir;
            copyAssets(dir.path());
            const QString broken = QDir(dir.path()).filePath(QString::fromStdString(path));
            if (!breakFile(broken, fault)) {
                QVERIFY2(path.ends_with(".bmp") && fault == Fault::GarbageAfterHeader, qPrintable(what));
                continue;
            }
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

    void aJpegCutShortInItsDataShowsWhatCouldBeDecoded() {
        QTemporaryDir dir;
        copyAssets(dir.path());
        QFile f(dir.filePath("enemy/rat.jpg"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray whole = f.readAll();
        f.close();
        QVERIFY(f.remove()); // the link, not the built picture
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(whole.left(whole.size() * 2 / 3));
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
