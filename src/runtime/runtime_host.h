// What a generated program adds to the live windows: a click on a button calls the user's
// ButtonDefinedAction with the window number, the button number and the button's handle.
#pragma once

#include "live/live_host.h"

namespace zim {

class RuntimeHost : public LiveHost {
  public:
    void userSubroutine(int windowNumber, int buttonNumber) override;
};

} // namespace zim
