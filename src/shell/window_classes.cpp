#include "shell/window_classes.h"

#include <array>

#include "shell/backdrop.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"
#include "shell/structure_pane.h"
#include "shell/switching_window.h"
#include "shell/window_base.h"

namespace zim {

namespace {

constexpr UINT frameStyles = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
constexpr UINT backdropStyles = CS_SAVEBITS | frameStyles;
static_assert(COLOR_BACKGROUND + 1 == 2, "the backdrop's background is brush value 2");

struct ClassEntry {
    const char* name;
    UINT style;
    WNDPROC procedure;
    HBRUSH background;
    const char* icon; // resource names; null for none
    const char* smallIcon;
    const char* cursor; // a cursor resource of the program; null with systemArrow
    bool systemArrow;
    const char* errorText;
};

HBRUSH systemBrush(int colourIndex) {
    return reinterpret_cast<HBRUSH>(colourIndex + 1);
}
HBRUSH stockBrush(int object) {
    return static_cast<HBRUSH>(GetStockObject(object));
}

// Shared icons belong to the system, which hands out the same icon on every load: registering
// the classes again (each start of the shell) makes no new ones, and unregistering leaks none.
HICON loadIcon(const char* name, int sizeMetric) {
    if (!name)
        return nullptr;
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(LoadImageA(hInstance, name, IMAGE_ICON, size, size, LR_SHARED));
}

HCURSOR classCursor(const ClassEntry& entry) {
    if (entry.cursor)
        return LoadCursorA(hInstance, entry.cursor);
    return entry.systemArrow ? LoadCursorA(nullptr, IDC_ARROW) : nullptr;
}

// The preview panels, the parameters window and the colour-picking window of the background
// image pages (transparent_colour_picker.h) are objects on the window base.
std::array<ClassEntry, 8> classTable() {
    return {{
        {mainWindowClass, CS_HREDRAW | CS_VREDRAW, mainWindowProcedure, systemBrush(COLOR_BTNFACE),
         "ZIM_TM", "QQQ_TMS", nullptr, true, "System Error - Can't register main window..."},
        {backdropClass, backdropStyles, backdropProcedure, systemBrush(COLOR_BACKGROUND), "ZIM_W",
         "ZIM_W", nullptr, true, "System Error - Can't register background window..."},
        {structurePaneClass, backdropStyles, structurePaneProcedure, brushPane, nullptr, nullptr,
         nullptr, true, "System Error - Can't register description window..."},
        {parametersWindowClass, frameStyles, WindowBase::procedure, systemBrush(COLOR_BTNFACE),
         nullptr, nullptr, nullptr, true, "System Error - Can't register edit window..."},
        {imagePreviewClass, frameStyles, WindowBase::procedure, stockBrush(WHITE_BRUSH), nullptr,
         nullptr, nullptr, true, "System Error - Can't register preview window..."},
        {controlPreviewClass, frameStyles, WindowBase::procedure, stockBrush(WHITE_BRUSH), nullptr,
         nullptr, nullptr, true, "System Error - Can't register control preview window..."},
        {transparentPickerClass, backdropStyles, WindowBase::procedure, stockBrush(WHITE_BRUSH),
         nullptr, nullptr, "SEL_CUR", false,
         "System Error - Can't register window for transparent color selection..."},
        {switchingWindowClass, backdropStyles, switchingWindowProcedure, stockBrush(BLACK_BRUSH),
         nullptr, nullptr, nullptr, false,
         "System Error - Can't register window for switching window..."},
    }};
}

bool registerClass(const ClassEntry& entry) {
    WNDCLASSEXA wc = {};
    // 48 bytes in a 32-bit program; the platform's own size keeps the 64-bit build right.
    wc.cbSize = sizeof wc;
    wc.style = entry.style;
    wc.lpfnWndProc = entry.procedure;
    wc.hInstance = hInstance;
    wc.hIcon = loadIcon(entry.icon, SM_CXICON);
    wc.hIconSm = loadIcon(entry.smallIcon, SM_CXSMICON);
    wc.hCursor = classCursor(entry);
    wc.hbrBackground = entry.background;
    wc.lpszClassName = entry.name;
    return RegisterClassExA(&wc) != 0;
}

} // namespace

std::string registerWindowClasses() {
    for (const ClassEntry& entry : classTable())
        if (!registerClass(entry))
            return entry.errorText;
    return {};
}

void unregisterWindowClasses() {
    for (const ClassEntry& entry : classTable())
        UnregisterClassA(entry.name, hInstance);
}

} // namespace zim
