// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The script player's stand-ins for chance, the font dialog, message boxes and the program's end.
#include "scriptedservices.h"

#include <cstdio>

namespace cv::script {

ScriptRng::ScriptRng() : gen_(std::random_device{}()) {}

int ScriptRng::uniform(int lo, int hi) {
    if (!queued_.empty()) {
        const int v = queued_.front();
        queued_.pop_front();
        if (v < lo || v > hi) {
            if (!error) error = QString("roll %1 is outside the draw's range %2..%3").arg(v).arg(lo).arg(hi);
            return lo;
        }
        return v;
    }
    return std::uniform_int_distribution<int>(lo, hi)(gen_);
}

std::optional<Font> ScriptFontDialog::ask(const Font&) {
    ++asked;
    if (answers_.empty()) {
        if (!error)
            error = "the font dialog opened with no answer given (use 'font FAMILY SIZE' or 'font cancel')";
        return std::nullopt;
    }
    auto a = answers_.front();
    answers_.pop_front();
    return a;
}

void ScriptMessages::showMessage(const QString& text) {
    last = text;
    any = true;
    std::printf("message: %s\n", text.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace cv::script
