// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game screen's window: story text, choices, conversation lines, side buttons and the menu bar.
#pragma once

#include "../form.h"

namespace cv::qt {

class TGameform : public Form {
    Q_OBJECT
  public:
    TGameform(Dispatcher& d, PictureLoader& p);

  protected:
    // 1 … 5 select a choice and Enter confirms it; in a conversation 1 … 4 click an answer.
    bool keyPressed(QKeyEvent* e) override;
    void beforeSync() override;
};

} // namespace cv::qt
