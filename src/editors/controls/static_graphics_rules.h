// The simple-graphics static (kind 1): the nine type radios of " Simple Graphics Static Control
// Types : " (159 to 167), of which exactly one type entry is set, and the edit target with which
// a static is placed by mouse. The types draw in the system's own colours (the frame, screen
// background and window background colours their texts name, or an etched edge); a
// simple-graphics static never takes a text scheme (see staticTextColours).
#pragma once

#include <array>

#include "editors/controls/choice_radio.h"
#include "live/edit_geometry.h"
#include "model/project.h"

namespace zim {

enum GraphicsTypeRadioId : int {
    blackFrameRadio = 159,  // SS_BLACKFRAME
    blackRectRadio = 160,   // SS_BLACKRECT
    etchedFrameRadio = 161, // SS_ETCHEDFRAME
    etchedHorzRadio = 162,  // SS_ETCHEDHORZ
    etchedVertRadio = 163,  // SS_ETCHEDVERT
    grayFrameRadio = 167,   // SS_GRAYFRAME
    grayRectRadio = 164,    // SS_GRAYRECT
    whiteFrameRadio = 165,  // SS_WHITEFRAME
    whiteRectRadio = 166,   // SS_WHITERECT
};

// The nine radios in layout order (167 between 163 and 164), each checked when its entry is set;
// all enabled.
std::array<ChoiceRadio, 9> graphicsTypeRadios(const StaticControl& copy);

// A type radio was clicked. When its entry is already the only type entry set nothing happens.
// Otherwise its entry is set and every other entry whose value lies in the type bits of the
// style word is cleared: the other eight types, and any text or image type left in a record,
// which would OR with the chosen one into another type. Returns whether the copy changed;
// another id changes nothing.
bool chooseGraphicsType(StaticControl& copy, int radioId);

// What the control edit window places for the static: a horizontal or vertical line when the
// type bits of its style word make it an etched horizontal or vertical line, otherwise a static.
EditTarget staticEditTarget(const StaticControl& control);

} // namespace zim
