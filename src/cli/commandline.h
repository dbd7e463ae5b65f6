// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of the game's programs: --help answered with the options, anything else refused.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace cv::cli {

// Parses `arguments` (the program's name first) with the parser's options, single-dash words read as
// long options. --help and --version (where the parser has them) are answered and end the program; an
// unknown option, a missing value or more than `positional` other arguments end it with status 2.
// Needs a Q(Core)Application.
void parse(QCommandLineParser& parser, const QStringList& arguments, qsizetype positional = 0);

// Answers --help or --version when `argv` asks for either, before the program has its application object,
// so that they need no display; anything else (--help-all with Qt's options too) is left for parse().
void answerHelpAndVersion(QCommandLineParser& parser, int& argc, char** argv);

// Ends the program with status 2 after "PROGRAM: MESSAGE" and a pointer to --help on standard error.
[[noreturn]] void refuse(const QString& message);

} // namespace cv::cli
