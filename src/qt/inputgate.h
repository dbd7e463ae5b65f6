// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gate that keeps the player's input from a window the game has disabled, and the game's dialogs from
// being minimised away.
#pragma once

namespace cv::qt {

// Installs the gate on the application, once.
void installInputGate();

} // namespace cv::qt
