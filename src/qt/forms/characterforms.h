// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of the character: the ready-made character screen and the creation screen / character sheet.
#pragma once

#include "../form.h"

namespace cv::qt {

class Tcreatef : public Form {
    Q_OBJECT
  public:
    Tcreatef(Dispatcher& d, PictureLoader& p);
};

class Tcreateform : public Form {
    Q_OBJECT
  public:
    Tcreateform(Dispatcher& d, PictureLoader& p);
};

} // namespace cv::qt
