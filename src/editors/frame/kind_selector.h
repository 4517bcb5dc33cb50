// The kind selectors above the tabs of buttons and statics: four radios each, of which the
// last two (buttons) or the last one (statics) can never be chosen. Choosing a kind rewrites
// the working copy only; the record in the Project changes on Save alone.
#pragma once

#include <array>
#include <cstdint>

#include "model/project.h"

namespace zim {

enum KindRadioId : int {
    classicButtonRadio = 80,
    windowsDrawnButtonRadio = 126,
    zimDrawnButtonRadio = 127,
    userDrawnButtonRadio = 128,
    textStaticRadio = 138,
    graphicsStaticRadio = 139,
    imageStaticRadio = 140,
    ownerDrawnStaticRadio = 141,
};

struct KindRadio {
    int id;
    const char* text;
    bool checked;
    bool enabled;
};

// The heading of the selector and its four radios in creation order, checked from the working
// copy's kind: a button shows " Classic Button" for kind 0 and the Windows-drawn radio for any
// other kind; a static shows the radio of its kind, none for kind 3.
const char* buttonKindHeading();
const char* staticKindHeading();
std::array<KindRadio, 4> buttonKindRadios(int32_t kind);
std::array<KindRadio, 4> staticKindRadios(int32_t kind);

// The kind a radio chooses, or -1 for a radio that cannot be chosen (or is not a kind radio).
int32_t buttonKindOfRadio(int radioId);
int32_t staticKindOfRadio(int radioId);

// Kind 0 clears BS_BITMAP and BS_ICON. Kind 1 sets BS_BITMAP and clears BS_ICON, except that
// when `saved` (the record in the Project) is already of kind 1 its two entries are taken over.
// Choosing the working copy's own kind, or a kind that cannot be chosen, changes nothing.
// Returns whether the working copy changed kind.
bool chooseButtonKind(ButtonControl& copy, const ButtonControl& saved, int32_t kind);

// Kind 0: only SS_CENTER, imageKind 0. Kind 1: only SS_ETCHEDFRAME, imageKind 0, Windows
// default colours. Kind 2: only SS_BITMAP, imageKind 2 (bitmap), standardImage 1, Windows
// default colours. Choosing the copy's own kind, or kind 3, changes nothing. Returns whether
// the working copy changed kind.
bool chooseStaticKind(StaticControl& copy, int32_t kind);

} // namespace zim
