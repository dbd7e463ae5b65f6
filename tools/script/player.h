// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a play script and carries out its commands on the game's real windows.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <memory>
#include <optional>

#include "qt/game.h"
#include "scriptedservices.h"
#include "scriptwords.h"

namespace cv::script {

// Plays a script on the program's own start-up and event loop. Each command runs as one event of the
// loop; when the game ends the loop (the program ends), the remaining commands run after it.
class Player {
  public:
    explicit Player(const QString& assetRoot);
    // Runs every line; returns the exit status (0 all held, 1 an expectation failed, 2 a bad script).
    int run(QTextStream& in);

  private:
    void step();             // runs the next command inside the event loop
    bool runLine(int index); // false when the script is to stop
    void finish(int status); // ends the script and with it the event loop
    // Outcome of one command.
    struct Failure {
        int status;
        QString text;
    };
    std::optional<Failure> execute(const QString& command, const QString& rest);

    std::optional<Failure> click(const QString& rest);
    std::optional<Failure> select(const QString& rest);
    std::optional<Failure> type(const QString& rest);
    std::optional<Failure> menu(const QString& rest);
    std::optional<Failure> font(const QString& rest);
    std::optional<Failure> rolls(const QString& rest, bool seed);
    std::optional<Failure> broken(const QString& rest);
    std::optional<Failure> wait(const QString& rest);
    std::optional<Failure> tick(const QString& rest);
    std::optional<Failure> print(const QString& rest);
    std::optional<Failure> expect(const QString& rest);
    std::optional<Failure> shot(const QString& rest);
    std::optional<Failure> close(const QString& rest);

    // WINDOW or WINDOW.CONTROL; sets `window` and, for an address with a control, `control`.
    std::optional<Failure> resolve(const QString& address, QWidget*& window, QWidget*& control);
    std::optional<Failure> serviceErrors();
    void clickAt(QWidget* window, QWidget* control, QPoint point);

    QString assetRoot_;
    ScriptRng rng_;
    ScriptFontDialog fonts_;
    ScriptMessages messages_;
    qt::Game* game_ = nullptr;
    QTimer stepTimer_;
    QStringList lines_;
    int next_ = 0;
    int status_ = 0;
    bool finished_ = false;
    bool loopEnded_ = false; // the game ended the program's event loop
};

// The script's words (scriptwords.h), for the windows' texts.
std::pair<QString, QString> splitWord(const QString& line);
QString textArgument(const QString& rest);

} // namespace cv::script
