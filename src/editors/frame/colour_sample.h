// A colour sample of a page: a static control painted in one colour, on WM_CTLCOLORSTATIC,
// with a solid brush that the parameters frame keeps in one of its three brush slots.
#pragma once

#include <windows.h>

#include <optional>

#include "editors/frame/background_sample.h"

namespace zim {

class ParametersFrame;

class ColourSample {
  public:
    // The sample is the frame's control `controlId`; its brush lives in `slot` (0 to 2).
    ColourSample(ParametersFrame& frame, int slot, int controlId)
        : frame_(frame), slot_(slot), controlId_(controlId) {}

    // Paints the sample in `colour` from now on.
    void show(COLORREF colour);
    COLORREF colour() const { return colour_; }
    HBRUSH brush() const { return brush_; }
    // The brush when `control` is this sample.
    std::optional<HBRUSH> brushFor(HWND control) const;

  private:
    ParametersFrame& frame_;
    int slot_;
    int controlId_;
    COLORREF colour_ = 0;
    HBRUSH brush_ = nullptr;
};

} // namespace zim
