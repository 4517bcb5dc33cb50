// The colour a sample of a background kind and value paints, as the system shows it now.
#pragma once

#include <windows.h>

#include "editors/frame/background_sample.h"

namespace zim {

inline COLORREF colourRefOf(const SampleColour& colour) {
    if (colour.source == SampleColour::Source::systemColour)
        return GetSysColor(static_cast<int>(colour.value));
    return static_cast<COLORREF>(colour.value);
}

} // namespace zim
