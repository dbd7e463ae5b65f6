// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a play-script line: the command, its arguments and the quoted text argument. Qt-free, so
// that the replay on the game core reads scripts exactly as the script player on the windows does.
#pragma once

#include <string>
#include <utility>

namespace cv::script::words {

inline std::string trimmedWords(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// Splits off the first word of a line; both parts trimmed.
inline std::pair<std::string, std::string> splitWord(const std::string& line) {
    const std::string t = trimmedWords(line);
    const auto space = t.find_first_of(" \t");
    if (space == std::string::npos) return {t, {}};
    return {t.substr(0, space), trimmedWords(t.substr(space + 1))};
}

// A TEXT argument: the rest of the line, or a double-quoted string with \" \\ and \n escapes.
inline std::string textArgument(const std::string& rest) {
    if (rest.empty() || rest[0] != '"') return rest;
    std::string out;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] == '\\' && i + 1 < rest.size()) {
            const char n = rest[++i];
            out += n == 'n' ? '\n' : n;
        } else if (rest[i] == '"') {
            break;
        } else {
            out += rest[i];
        }
    }
    return out;
}

} // namespace cv::script::words
