// The font group of button and text static pages: " Standard" or " Custom" font, the face name
// of the custom font and "Select New Font", which opens the font picker on the control's font
// and text colour.
#pragma once

#include <cstdint>
#include <string>

#include "editors/frame/page_message.h"
#include "model/project.h"

namespace zim {

enum FontRadioId : int { standardFontRadio = 92, customFontRadio = 93, selectFontButton = 94 };

struct FontControls {
    bool standardChecked = false;
    bool customChecked = false;
    // "Select New Font" and its "Current Font - " label, in edit state.
    bool pickerEnabled = false;
    std::string faceName; // the box beside the label: the custom font's face, else blank
};

FontControls fontControls(int32_t customFont, const LogFont& font);

// A font radio was clicked: 92 sets customFont 0, 93 sets 1. Returns whether it changed;
// another id changes nothing.
bool chooseFontMode(int32_t& customFont, int radioId);

// What the pages show when the user cancels the font picker; nothing changes then.
PageMessage buttonFontCancelledMessage();
PageMessage staticFontCancelledMessage();

} // namespace zim
