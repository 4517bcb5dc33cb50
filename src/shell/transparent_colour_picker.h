// Picking a colour from a bitmap with the mouse: a modal dialog sized to the bitmap holds a
// window of class "WizardTransparentWindowClass" that shows the bitmap under the "SEL_CUR"
// cursor. A click on a pixel of the bitmap takes that pixel's colour and closes the dialog;
// Esc or the close box cancel. The background-image pages choose their transparent colour so.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace zim {

// Shows the bitmap file `bitmapPath` at its own size in a dialog captioned `caption` over
// `owner`. Returns the clicked pixel's colour, or nothing when the user cancelled or the
// bitmap could not be loaded. A bitmap larger than the screen's work area is shown from its
// top-left corner as far as the work area reaches.
std::optional<COLORREF> pickColourFromBitmap(HWND owner, const std::string& caption,
                                             const std::string& bitmapPath);

} // namespace zim
