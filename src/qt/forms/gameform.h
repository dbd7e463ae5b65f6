// The game screen's window: story text, choices, conversation lines, side buttons and the menu bar.
#pragma once

#include "../form.h"

namespace cv::qt {

class TGameform : public Form {
    Q_OBJECT
  public:
    TGameform(Dispatcher& d, PictureLoader& p);
};

} // namespace cv::qt
