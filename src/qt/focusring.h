// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The green frame that shows which control the keyboard went to by Tab.
#pragma once

namespace cv::qt {

// Installs, once, the watcher that puts a green frame round a control of the game's windows when the
// keyboard goes to it by Tab or Shift+Tab, and takes it away when the focus goes elsewhere by other means
// (a click, or the game moving it). Controls that draw their own frame are left to it.
void installFocusRing();

} // namespace cv::qt
