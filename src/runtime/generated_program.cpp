#include "runtime/generated_program.h"

#include <windows.h>

#include <commctrl.h>

#include "live/live_host.h"
#include "live/preview.h"
#include "live/preview_windows.h"
#include "model/program_state.h"
#include "model/project.h"
#include "runtime/design_data.h"
#include "runtime/fortran_calls.h"
#include "runtime/runtime_host.h"

namespace zim {

namespace {

constexpr const char* windowsNotMade =
    "The windows of this program cannot be made: a window class cannot be registered.";

void showError(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), programErrorCaption, MB_OK | MB_ICONHAND | MB_TASKMODAL);
}

// Keyboard input of a modeless dialog goes through the dialog first, so Tab and Enter work in
// it as in any dialog.
bool dialogTakes(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    return root && GetPropA(root, dialogProperty) && IsDialogMessageA(root, &message);
}

// Runs until the live windows post the quit message: window 1 or the wallpaper has closed, or a
// close-application button was pressed.
void runMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (dialogTakes(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace

int runGeneratedProgram() {
    designMode = 0;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    static RuntimeHost host;
    setLiveHost(&host);

    const FileOutcome loaded = loadDesignData(project());
    if (!loaded) {
        showError(loaded.error);
        return 1;
    }
    zim_call_user_on_init();
    // A modal dialog as window 1 runs inside this call; its end posts the quit message.
    const bool started = startPreview();
    if (started)
        runMessageLoop();
    else
        showError(windowsNotMade);
    zim_call_user_on_exit();
    return started ? 0 : 1;
}

} // namespace zim
