// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of the game's programs: --help answered with the options, anything else refused.
#include "commandline.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace cv::cli {

namespace {

QString programName() {
    const QStringList arguments = QCoreApplication::arguments();
    return arguments.isEmpty() ? QCoreApplication::applicationName()
                               : QFileInfo(arguments.first()).fileName();
}

// Shows the help or the version and ends the program, when either was asked for.
bool answer(QCommandLineParser& parser, bool reply) {
    for (const QString& name : parser.optionNames()) {
        const bool help = name == "help" || name == "h" || name == "?" || name == "help-all";
        const bool version = name == "version" || name == "v";
        if (!help && !version) continue;
        // Qt's own options are listed by the parser's full run alone, in the application the program makes.
        if (!reply) return name != "help-all";
        if (name == "help-all")
            parser.process(QStringList{QCoreApplication::arguments().value(0), "--help-all"});
        if (help) parser.showHelp(0);
        parser.showVersion();
    }
    return false;
}

} // namespace

void refuse(const QString& message) {
    const QString name = programName();
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for the options.\n", qPrintable(name), qPrintable(message),
                 qPrintable(name));
    std::exit(2);
}

void parse(QCommandLineParser& parser, const QStringList& arguments, qsizetype positional) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(arguments)) refuse(parser.errorText());
    answer(parser, true);
    const QStringList rest = parser.positionalArguments();
    if (rest.size() > positional) refuse(QStringLiteral("unexpected argument '%1'").arg(rest.at(positional)));
}

void answerHelpAndVersion(QCommandLineParser& parser, int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Qt's own options are not known to the parser yet: only whether help or the version is asked for counts.
    parser.parse(arguments);
    if (!answer(parser, false)) return;
    QCoreApplication application(argc, argv);
    answer(parser, true);
}

} // namespace cv::cli
