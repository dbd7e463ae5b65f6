// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program: starts the game with the main menu and runs until the main menu is closed.
#include <QApplication>
#include <QCommandLineParser>

#include "cli/commandline.h"
#include "qt/program.h"

int main(int argc, char** argv) {
    cv::qt::nameProgram();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Cindervale: Brassmoth Post Edition, a text adventure with role-playing rules, in "
                       "Russian.\nQt's own options, such as -platform NAME, are taken as well."));
    parser.addHelpOption();
    parser.addVersionOption();
    // Help and the version need no display; whatever else QApplication leaves of the command line is
    // refused before any window opens.
    cv::cli::answerHelpAndVersion(parser, argc, argv);
    QApplication app(argc, argv);
    cv::cli::parse(parser, QApplication::arguments());
    return cv::qt::runProgram();
}
