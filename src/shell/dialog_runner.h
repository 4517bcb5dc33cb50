// Every dialog of the program runs from an in-memory template without controls; its procedure
// creates and places its own controls on WM_INITDIALOG.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zim {

struct DialogFrame {
    DWORD style;
    DWORD extendedStyle;
    short x, y, width, height; // dialog units
    std::string caption;
    std::string face;
    WORD pointSize;
};

// The DLGTEMPLATE and its variable part: no menu, the predefined dialog class, the caption and
// the face name converted from the ANSI code page.
std::vector<WORD> buildDialogTemplate(const DialogFrame& frame);

// Runs the dialog modally; returns what its procedure passed to EndDialog.
INT_PTR runModalDialog(HINSTANCE instance, HWND owner, const DialogFrame& frame, DLGPROC procedure,
                       LPARAM parameter);

// Creates the dialog modelessly and shows it: animated for `animationTime` milliseconds when
// that is not 0, otherwise at once.
HWND createModelessDialog(HINSTANCE instance, HWND owner, const DialogFrame& frame,
                          DLGPROC procedure, LPARAM parameter, DWORD animationTime);

// Sizes a dialog in pixels and places it over its owner (see dialogPlacement): centred over a
// visible owner, else over the work area, and always wholly inside the work area.
void placeOverOwner(HWND dialog, int width, int height);

// The AnimateWindow flags the program shows its windows with: slide, activate, centre.
constexpr DWORD animateFlags = AW_SLIDE | AW_ACTIVATE | AW_CENTER;
static_assert(animateFlags == 0x60010, "the animation the windows open with");

} // namespace zim
