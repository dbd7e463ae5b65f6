// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a play script on the game core alone: its clicks, lines, typing, menu commands, closes,
// rolls, font answers and waits, through the same inputs the windows offer. Checks (expect, print,
// shot) are the windows' business and are passed over.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/vocab/services.h"

namespace cv {
struct World;
}

namespace cv::soak {

class CoreReplay {
  public:
    // A fresh world with the game screen created, as at start-up.
    CoreReplay();
    ~CoreReplay();
    // Runs one script line; the error text for a line that names no input the game offers now.
    std::optional<std::string> line(const std::string& text);
    // Runs every line; the first error, if any.
    std::optional<std::string> run(const std::vector<std::string>& lines);
    World& world();
    // The loads a script broke (`broken FILE`) that no load has met yet.
    std::size_t brokenLoadsLeft() const;

    // Reads a script file into lines.
    static std::vector<std::string> readScript(const std::string& path);

  private:
    struct Services;
    std::unique_ptr<Services> services_;
    std::unique_ptr<World> world_;
};

} // namespace cv::soak
