// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny fixed-seed number generator so every run draws exactly the same pictures.
#pragma once

#include <cstdint>

namespace pictures {

class Seeded {
  public:
    explicit Seeded(std::uint32_t seed) : state_(seed ? seed : 1u) {}

    // Uniform value in [0, 1).
    double unit() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return double(state_ & 0xffffffu) / double(0x1000000u);
    }

    double range(double low, double high) { return low + (high - low) * unit(); }

  private:
    std::uint32_t state_;
};

} // namespace pictures
