// Entry point of cindervale-pictures: draws every picture of the game into the given folder.
#include "pictures.h"
#include "picturesink.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QTextStream>
#include <cstdio>

namespace {

int usage() {
    std::fprintf(stderr, "usage: cindervale-pictures OUTDIR\n"
                         "       cindervale-pictures --list   (print the file names only)\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() != 1 || args.first().isEmpty()) return usage();
    const bool listOnly = args.first() == QLatin1String("--list");

    pictures::PictureSink sink(args.first(), listOnly);
    pictures::writeBackgrounds(sink);
    pictures::writeEnemies(sink);
    pictures::writeFigures(sink);
    pictures::writeItems(sink);
    pictures::writeNumbers(sink);
    pictures::writeMenu(sink);
    pictures::writeReadyHero(sink);
    pictures::writeCreation(sink);
    pictures::writePanels(sink);
    pictures::writeControls(sink);
    pictures::writeMap(sink);
    pictures::writeWrist(sink);
    pictures::writeBattle(sink);
    pictures::writeInventory(sink);

    if (listOnly) {
        QTextStream out(stdout);
        for (const QString& name : sink.written())
            out << name << '\n';
        return 0;
    }
    if (!sink.failures().isEmpty()) {
        QTextStream err(stderr);
        for (const QString& problem : sink.failures())
            err << "cindervale-pictures: " << problem << '\n';
        return 1;
    }
    return 0;
}
