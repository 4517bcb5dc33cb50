// The colour a sample of a background kind and value paints, as the system shows it now.
#pragma once

#include <windows.h>

#include "editors/frame/background_sample.h"
#include "model/project.h"

namespace zim {

inline COLORREF colourRefOf(const SampleColour& colour) {
    if (colour.source == SampleColour::Source::systemColour)
        return GetSysColor(static_cast<int>(colour.value));
    return static_cast<COLORREF>(colour.value);
}

// The background a designed window's controls stand on, for the control previews.
inline COLORREF windowBackgroundColour(const AppWindow& designed) {
    return colourRefOf(backgroundSampleColour(designed.backgroundKind, designed.backgroundValue));
}

} // namespace zim
