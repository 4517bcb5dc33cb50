// The " Static Control Text Attributes : " group of a text static's basic page: the custom
// scheme or the Windows default, and in the custom scheme the drawing mode of the text and the
// two colour buttons. The Windows default keeps the scheme's colours and mode stored, unused,
// for a later return to the custom scheme.
#pragma once

#include <array>

#include "editors/controls/choice_radio.h"
#include "model/project.h"

namespace zim {

enum TextAttributeId : int {
    customSchemeRadio = 142,
    windowsDefaultRadio = 143,
    textColourButton = 144,       // "Select Static Control Text Color"
    backgroundColourButton = 145, // "Select Static Control Background Color"
    transparentDrawingRadio = 146,
    opaqueDrawingRadio = 147,
};

struct TextAttributeControls {
    std::array<ChoiceRadio, 2> scheme;  // " Custom Scheme", " Windows Default"; always enabled
    std::array<ChoiceRadio, 2> drawing; // " Transparent Drawing", " Opaque Drawing"
    bool colourButtonsEnabled;          // 144 and 145
};

// In the custom scheme (customColours not 0) the drawing radios show `opaque` and they and the
// colour buttons are enabled; with the Windows default all four are unchecked and disabled.
TextAttributeControls textAttributeControls(const StaticControl& copy);

// A scheme or drawing radio was clicked: 142 sets customColours 1, 143 sets 0; 146 sets opaque
// 0 and 147 sets 1, in the custom scheme only. Returns whether the copy changed (the preview is
// then repainted); other ids change nothing.
bool chooseTextAttribute(StaticControl& copy, int radioId);

} // namespace zim
