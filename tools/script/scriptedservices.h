// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The script player's stand-ins for chance, the font dialog, message boxes and the program's end.
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <random>

#include "game/vocab/services.h"
#include "qt/dispatcher.h"

namespace cv::script {

// Draws queued values first (`rolls`), then from a generator (`seed` makes it reproducible).
class ScriptRng : public Rng {
  public:
    ScriptRng();
    int uniform(int lo, int hi) override;
    void queue(int value) { queued_.push_back(value); }
    void seed(unsigned s) { gen_.seed(s); }
    // Set when a queued value fell outside the draw's range.
    std::optional<QString> error;

  private:
    std::deque<int> queued_;
    std::mt19937 gen_;
};

// Answers the font dialog with the answers given beforehand.
class ScriptFontDialog : public FontDialog {
  public:
    std::optional<Font> ask(const Font& initial) override;
    void answer(std::optional<Font> font) { answers_.push_back(std::move(font)); }
    std::optional<QString> error;
    int asked = 0;

  private:
    std::deque<std::optional<Font>> answers_;
};

// Answers every message box at once and prints it.
class ScriptMessages : public qt::MessageSink {
  public:
    void showMessage(const QString& text) override;
    QString last;
    bool any = false;
};

} // namespace cv::script
