// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of cindervale-pictures: draws every picture of the game into the given folder.
#include "ink.h"
#include "pictures.h"
#include "picturesink.h"

#include "cli/commandline.h"
#include "game/assets/assets.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QString>
#include <QTextStream>

namespace {

void writeAll(pictures::PictureSink& sink) {
    // Every file of the game's asset table, by what the table says it shows.
    for (const cv::assets::AssetFile& file : cv::assets::assetTable()) {
        using enum cv::assets::AssetKind;
        QImage image;
        switch (file.kind) {
        case Background:
            image = pictures::backgroundPicture(file.subject);
            break;
        case Enemy:
            image = pictures::enemyPicture(file.subject);
            break;
        case Fighter:
            image = pictures::fighterPicture(file.subject, file.sex);
            break;
        case Figure:
            image = pictures::inventoryFigure(file.subject, file.sex);
            break;
        case HandItem:
            image = pictures::handPicture(file.subject);
            break;
        case Glyph:
            image = pictures::glyphPicture(file.number);
            break;
        }
        sink.put("assets/" + QString::fromStdString(file.path), image);
    }
    pictures::writeMenu(sink);
    pictures::writeReadyHero(sink);
    pictures::writeCreation(sink);
    pictures::writePanels(sink);
    pictures::writeControls(sink);
    pictures::writeMap(sink);
    pictures::writeWrist(sink);
    pictures::writeBattle(sink);
    pictures::writeInventory(sink);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws every picture of the game into OUTDIR."));
    parser.addHelpOption();
    const QCommandLineOption list(QStringLiteral("list"), QStringLiteral("Print the files' names only."));
    parser.addOption(list);
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("The folder to draw into."));
    cv::cli::parse(parser, QGuiApplication::arguments(), 1);
    const bool listOnly = parser.isSet(list);
    const QStringList rest = parser.positionalArguments();
    if (listOnly == !rest.isEmpty())
        cv::cli::refuse(listOnly ? QStringLiteral("--list takes no folder")
                                 : QStringLiteral("no OUTDIR given"));
    if (!listOnly && rest.first().isEmpty()) cv::cli::refuse(QStringLiteral("OUTDIR is empty"));

    pictures::PictureSink sink(listOnly ? QString() : rest.first(), listOnly);
    // Every picture twice: for ordinary screens, and at twice the density for high-density ones, which
    // Qt picks there by the "@2x" in the name.
    for (const qreal density : {1.0, 2.0}) {
        pictures::ink::setDensity(density);
        sink.setDensitySuffix(density == 1.0 ? QString() : QStringLiteral("@2x"));
        writeAll(sink);
    }
    sink.setDensitySuffix({});
    pictures::ink::setDensity(1);
    pictures::writeIcons(sink);
    if (listOnly) {
        QTextStream out(stdout);
        for (const QString& name : sink.written())
            out << name << '\n';
        return 0;
    }
    sink.writeResourceList(QStringLiteral("layout/layout.qrc"), QStringLiteral("layout/"), false);
    sink.writeResourceList(QStringLiteral("layout/layout@2x.qrc"), QStringLiteral("layout/"), true);
    sink.writeResourceList(QStringLiteral("icons/icons.qrc"), QStringLiteral("icons/"), false);
    if (!sink.failures().isEmpty()) {
        QTextStream err(stderr);
        for (const QString& problem : sink.failures())
            err << "cindervale-pictures: " << problem << '\n';
        return 1;
    }
    return 0;
}
