// SetZIMStaticCaption and the routines that write values: the text reaches the static control
// of the design and, when its window is open, the live control.
#include <windows.h>

#include <algorithm>
#include <string>

#include "live/win32_handles.h"
#include "model/project.h"
#include "model/text_field.h"
#include "runtime/fortran_calls.h"

namespace {

constexpr int32_t textStatic = 0;

// The static control that the numbers name, when it is a text static of the design; the
// numbers come from the user's code and may name nothing.
zim::StaticControl* textStaticOf(int32_t w, int32_t s) {
    if (w < 1 || w > zim::project().program.windowCount)
        return nullptr;
    if (s < 1 || s > zim::window(w).staticCount)
        return nullptr;
    zim::StaticControl& control = zim::staticControl(w, s);
    // An image static would take a caption as the name of an image to load.
    return control.kind == textStatic ? &control : nullptr;
}

} // namespace

extern "C" void zim_set_static_text(int32_t windowNumber, int32_t staticNumber, const char* text,
                                    int32_t length) {
    zim::StaticControl* control = textStaticOf(windowNumber, staticNumber);
    if (!control)
        return;
    // The record keeps the text too, so a window opened later shows it; the live control shows
    // the same text, cut to the record's field.
    const std::size_t given = length > 0 ? static_cast<std::size_t>(length) : 0;
    const std::string caption(text, std::min(given, sizeof control->text - 1));
    zim::setCaption(control->text, caption);
    HWND live = zim::loadHandle<HWND>(control->hwnd);
    if (live && IsWindow(live))
        SetWindowTextA(live, caption.c_str());
}
