// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of the start-up screens: the main menu, credits, help and the font dialog's host.
#pragma once

#include <vector>

#include "../form.h"

class QScrollArea;

namespace cv::qt {

class TMenuform : public Form {
    Q_OBJECT
  public:
    TMenuform(Dispatcher& d, PictureLoader& p);
};

class Tauth : public Form {
    Q_OBJECT
  public:
    Tauth(Dispatcher& d, PictureLoader& p);

  protected:
    // Beside the main menu rather than over its buttons.
    void place() override;
};

class Thelp : public Form {
    Q_OBJECT
  public:
    Thelp(Dispatcher& d, PictureLoader& p);

  protected:
    // The title, the headings and the memos one under another, as wide as the window is.
    void layOut() override;
    // The paging keys and the arrows scroll.
    bool keyPressed(QKeyEvent* e) override;

  private:
    std::vector<QLabel*> flow_;
    QScrollArea* scroll_;
};

class Tfonts : public Form {
    Q_OBJECT
  public:
    Tfonts(Dispatcher& d, PictureLoader& p);
};

} // namespace cv::qt
