// The colour a page paints in its sample of a background kind and value: the colour itself,
// a system colour, or the colour that a stock brush paints.
#pragma once

#include <cstdint>

namespace zim {

struct SampleColour {
    enum class Source { rgb, systemColour };
    Source source = Source::rgb;
    // rgb: a Win32 colour value; systemColour: the COLOR_ number to hand to GetSysColor.
    uint32_t value = 0;
};

// Kind 1: the value as a colour. Kind 2: the value-th entry of the system-colour list. Kind 3:
// the stock brush's colour (black, RGB(64,64,64), RGB(128,128,128), RGB(192,192,192), the
// dialog face for the null brush, white). A kind or entry outside the lists shows
// COLOR_BACKGROUND, the colour the default class brush paints.
SampleColour backgroundSampleColour(int32_t kind, int32_t value);

} // namespace zim
