// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture loader: decoders chosen by extension, letter case ignored, and the error box.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include "game/assets/assets.h"
#include "player.h"
#include "qt/look.h"
#include "qt/pictureloader.h"
#include "support.h"

using namespace cv;

namespace {

QString messageOf(qt::PictureLoader& loader, const std::string& path) {
    try {
        loader.load(path);
    } catch (const PictureError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void decoderFollowsTheExtension() {
        QTemporaryDir dir;
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::green);
        QDir(dir.path()).mkpath("INV");
        QVERIFY(image.save(dir.filePath("INV/knife.jpg"), "JPG"));
        QVERIFY(image.save(dir.filePath("png-inside.jpg"), "PNG"));
        QVERIFY(image.save(dir.filePath("plain.png"), "PNG"));
        QVERIFY(image.save(dir.filePath("glyph.BMP"), "BMP"));
        QVERIFY(image.save(dir.filePath("jpeg-named.jpeg"), "JPG"));
        qt::PictureLoader loader(dir.path());

        QCOMPARE(messageOf(loader, "INV/knife.jpg"), QString());
        QCOMPARE(messageOf(loader, "inv/KNIFE.JPG"), QString()); // letter case does not matter
        QCOMPARE(messageOf(loader, "glyph.bmp"), QString());
        QCOMPARE(messageOf(loader, "jpeg-named.jpeg"), QString());
        QCOMPARE(loader.image("inv/knife.jpg").size(), QSize(8, 8));

        // A PNG under a .jpg name is decoded as JPEG and fails; the content does not choose the decoder.
        QCOMPARE(messageOf(loader, "png-inside.jpg"),
                 "Cannot open file " + QDir::toNativeSeparators(dir.filePath("png-inside.jpg")));
        QCOMPARE(messageOf(loader, "plain.png"), QString("Unknown picture file extension (.png)"));
        QCOMPARE(messageOf(loader, "notes.txt"), QString("Unknown picture file extension (.txt)"));
        QCOMPARE(messageOf(loader, "enemy/rat.jpg"),
                 "Cannot open file " + QDir::toNativeSeparators(dir.path() + "/enemy/rat.jpg"));
    }

    void aLoadDecodesThePictureOnceAndKeepsTheOutcome() {
        QTemporaryDir dir;
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::green);
        QVERIFY(image.save(dir.filePath("good.jpg"), "JPG"));
        QFile good(dir.filePath("good.jpg"));
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray whole = good.readAll();
        good.close();
        auto write = [&dir](const QString& name, const QByteArray& data) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(data);
        };
        write("bad.jpg", whole.left(whole.size() / 8)); // its header and no picture data
        qt::PictureLoader loader(dir.path());
        const QString bad = "Cannot open file " + QDir::toNativeSeparators(dir.filePath("bad.jpg"));
        QCOMPARE(messageOf(loader, "good.jpg"), QString());
        QCOMPARE(messageOf(loader, "bad.jpg"), bad);

        // The files change places on the disk: neither is read again.
        write("good.jpg", whole.left(whole.size() / 8));
        write("bad.jpg", whole);
        QCOMPARE(messageOf(loader, "good.jpg"), QString());
        QCOMPARE(loader.image("good.jpg").size(), QSize(8, 8));
        QCOMPARE(messageOf(loader, "bad.jpg"), bad);

        // A scripted failure fails the next load alone.
        loader.failNextLoad("GOOD.jpg");
        QCOMPARE(messageOf(loader, "good.jpg"),
                 "Cannot open file " + QDir::toNativeSeparators(dir.filePath("good.jpg")));
        QCOMPARE(messageOf(loader, "good.jpg"), QString());
    }

    void aScriptedBrokenLoadFailsOnceThroughTheWindows() {
        const QString fnono = QDir::toNativeSeparators(QString(CINDERVALE_TEST_ASSETS) + "/show/fnono.jpg");
        QString text = "broken show/fnono.jpg\n"
                       "click Menuform.BitBtn6\n"
                       "click createf.Image4\n"
                       "expect message Cannot open file " +
                       fnono +
                       "\n"
                       "expect createf visible 1\n"
                       "click createf.Image4\n"
                       "expect Gameform visible 1\n";
        QTextStream in(&text);
        script::Player player(CINDERVALE_TEST_ASSETS);
        QCOMPARE(player.run(in), 0);
    }

    void everyPictureOfTheTableIsMadeByTheBuild() {
        qt::PictureLoader loader(CINDERVALE_TEST_ASSETS);
        for (const auto& f : assets::assetTable()) {
            QCOMPARE(messageOf(loader, f.path), QString());
            QVERIFY2(!loader.image(f.path).isNull(), f.path.c_str());
        }
        QCOMPARE(loader.image("nums/05.bmp").size(), QSize(33, 22));
        QCOMPARE(loader.image("talk.jpg").size(), QSize(801, 561));
    }

    void aMissingPictureShowsTheErrorAndTheGameGoesOn() {
        QTemporaryDir empty;
        testqt::TestGame t(empty.path());
        const QString talk = "Cannot open file " + QDir::toNativeSeparators(empty.path() + "/talk.jpg");
        // Creating the game screen loads its background.
        QCOMPARE(t.messages.shown, QStringList{talk});
        QVERIFY(t.form("Menuform")->isVisible());

        t.game->dispatcher().run([](World& w) {
            show(w.Gameform.window);
            w.Gameform.pros.visible = false;
        });
        t.click("Gameform", "mapb");
        QCOMPARE(t.messages.shown.size(), 2);
        QCOMPARE(t.messages.shown.last(), talk);
        // The handler stopped at the load: the map is up, the step after the load did not run.
        QVERIFY(t.form("mapform")->isVisible());
        QVERIFY(!t.form("Gameform")->isVisible());
        QVERIFY(t.control("Gameform", "pros")->isHidden());
        // And the game goes on: the menu still answers.
        t.click("Menuform", "BitBtn4");
        QVERIFY(t.form("auth")->isVisible());
    }
};

CINDERVALE_QT_TEST_MAIN(PicturesTest)

#include "test_pictures.moc"
