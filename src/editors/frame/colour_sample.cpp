#include "editors/frame/colour_sample.h"

#include "editors/frame/parameters_frame.h"

namespace zim {

void ColourSample::show(COLORREF colour) {
    colour_ = colour;
    brush_ = CreateSolidBrush(colour);
    frame_.setPageBrush(slot_, brush_); // deletes the sample's previous brush
    InvalidateRect(GetDlgItem(frame_.window(), controlId_), nullptr, TRUE);
}

std::optional<HBRUSH> ColourSample::brushFor(HWND control) const {
    if (!brush_ || control != GetDlgItem(frame_.window(), controlId_))
        return std::nullopt;
    return brush_;
}

} // namespace zim
