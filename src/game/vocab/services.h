// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Services the game core needs from outside, handed to the World, and the errors they raise.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "controls.h"

namespace cv {

// An error that ends the running handler; the window layer shows its message and the game goes on.
class GameError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class PictureError : public GameError {
  public:
    using GameError::GameError;
};

// Uniform whole numbers.
class Rng {
  public:
    virtual ~Rng() = default;
    virtual int uniform(int lo, int hi) = 0; // a whole number in [lo, hi]
};

// Decodes picture files below the asset root.
class Pictures {
  public:
    virtual ~Pictures() = default;
    // Loads the file at `path` (relative to the asset root) or throws PictureError.
    virtual void load(const std::string& path) = 0;
};

// The modal font dialog: the chosen font, or nothing when the player cancels.
class FontDialog {
  public:
    virtual ~FontDialog() = default;
    virtual std::optional<Font> ask(const Font& initial) = 0;
};

} // namespace cv
