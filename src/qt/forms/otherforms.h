// Windows of the village map, the fight, the aimed attack, the inventory and the wrist computer.
#pragma once

#include "../form.h"

namespace cv::qt {

class Tmapform : public Form {
    Q_OBJECT
  public:
    Tmapform(Dispatcher& d, PictureLoader& p);
};

class Tbattle : public Form {
    Q_OBJECT
  public:
    Tbattle(Dispatcher& d, PictureLoader& p);
};

class Taccform : public Form {
    Q_OBJECT
  public:
    Taccform(Dispatcher& d, PictureLoader& p);
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

} // namespace cv::qt
