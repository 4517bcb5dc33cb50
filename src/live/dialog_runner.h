// Every dialog runs from an in-memory template without controls; its procedure creates and
// places its own controls on WM_INITDIALOG. The designer's dialogs and the designed
// application's dialogs are run alike.
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

// The AnimateWindow flags the windows are shown with: slide, activate, centre.
constexpr DWORD animateFlags = AW_SLIDE | AW_ACTIVATE | AW_CENTER;
static_assert(animateFlags == 0x60010, "the animation the windows open with");

} // namespace zim
