// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// cindervale-script: plays a script of clicks and checks on the game's real windows, headless.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <fcntl.h>

#include "cli/commandline.h"
#include "player.h"

int main(int argc, char** argv) {
    // A closed standard input is told apart before anything opens a file that would take its place.
    const bool stdinOpen = fcntl(0, F_GETFD) != -1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays a script of commands, one a line, on the game's real "
                       "windows; reads standard input when no FILE is given."));
    parser.addHelpOption();
    const QCommandLineOption assetsOption(
        QStringLiteral("assets"), QStringLiteral("The folder of the game's pictures (the program's own)."),
        QStringLiteral("DIR"));
    parser.addOption(assetsOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The script to play."),
                                 QStringLiteral("[FILE]"));
    cv::cli::parse(parser, QApplication::arguments(), 1);
    const QString assets = parser.value(assetsOption);
    if (parser.isSet(assetsOption) && !QFileInfo(assets).isDir())
        cv::cli::refuse(QStringLiteral("--assets names no folder: '%1'").arg(assets));
    const QString file = parser.positionalArguments().value(0);

    // The whole script is read first: a read that fails ends the player with a message.
    QFile input;
    const QString source = file.isEmpty() ? QStringLiteral("standard input") : file;
    if (file.isEmpty() && !stdinOpen) cv::cli::refuse(QStringLiteral("standard input is closed"));
    const bool opened = file.isEmpty() ? input.open(stdin, QIODevice::ReadOnly)
                                       : (input.setFileName(file), input.open(QIODevice::ReadOnly));
    if (!opened) cv::cli::refuse(QStringLiteral("cannot read %1: %2").arg(source, input.errorString()));
    QByteArray script = input.readAll();
    if (input.error() != QFileDevice::NoError)
        cv::cli::refuse(QStringLiteral("cannot read %1: %2").arg(source, input.errorString()));
    QTextStream in(&script, QIODevice::ReadOnly);
    in.setEncoding(QStringConverter::Utf8);
    cv::script::Player player(assets);
    return player.run(in);
}
