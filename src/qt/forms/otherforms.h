// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows of the village map, the fight, the aimed attack, the inventory and the wrist computer.
#pragma once

#include <vector>

#include "../form.h"

namespace cv::qt {

class Tmapform : public Form {
    Q_OBJECT
  public:
    Tmapform(Dispatcher& d, PictureLoader& p);

  protected:
    // Tab and the arrow keys move between the places, Enter enters the one with the focus.
    bool keyPressed(QKeyEvent* e) override;

  private:
    std::vector<PictureView*> places_;
};

class Tbattle : public Form {
    Q_OBJECT
  public:
    Tbattle(Dispatcher& d, PictureLoader& p);

  protected:
    // The arrow keys pick an entry, Enter does it (or attacks the enemy in the targeting mode), E ends
    // the turn.
    bool keyPressed(QKeyEvent* e) override;

  private:
    void readForReaders(screens::Battle& b);
};

class Taccform : public Form {
    Q_OBJECT
  public:
    Taccform(Dispatcher& d, PictureLoader& p);

  protected:
    // 1 … 5 pick a body part, Enter strikes.
    bool keyPressed(QKeyEvent* e) override;
};

class TInvForm : public Form {
    Q_OBJECT
  public:
    TInvForm(Dispatcher& d, PictureLoader& p);
};

class TVesk : public Form {
    Q_OBJECT
  public:
    TVesk(Dispatcher& d, PictureLoader& p);
};

// Everything said in this game so far, scrollable.
class TStoryLog : public Form {
    Q_OBJECT
  public:
    TStoryLog(Dispatcher& d, PictureLoader& p);

  private:
    QWidget* logView(LogText& m, QWidget* parent);
};

} // namespace cv::qt
