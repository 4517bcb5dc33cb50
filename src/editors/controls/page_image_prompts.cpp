#include "editors/controls/page_image_prompts.h"

#include "editors/frame/page_message_box.h"
#include "editors/frame/parameters_frame.h"
#include "shell/selection_state.h"
#include "shell/shell_state.h"
#include "shell/standard_icon_dialog.h"
#include "shell/user_questions.h"

namespace zim {

int PageImagePrompts::iconMenu() {
    RECT button;
    GetWindowRect(anchor_, &button);
    // Centred under the button; the chosen command comes back at once.
    return static_cast<int>(TrackPopupMenu(menu_, TPM_CENTERALIGN | TPM_RETURNCMD,
                                           (button.left + button.right) / 2, button.bottom, 0,
                                           anchor_, nullptr));
}

int PageImagePrompts::standardIcon(const std::string&, int start) {
    // The standard-icon dialog titles itself so; it works on the shared pendingIcon.
    iconTarget = 0;
    pendingIcon = start;
    return runStandardIconDialog(GetAncestor(anchor_, GA_ROOT)) == 1 ? pendingIcon : 0;
}

bool PageImagePrompts::openFile(const std::string& title, const std::string& filter,
                                std::filesystem::path& chosen) {
    std::string path;
    int success = 0;
    openFileDialog(hInstance ? hInstance : GetModuleHandleA(nullptr), GetAncestor(anchor_, GA_ROOT),
                   title, filter, path, success);
    if (!success)
        return false;
    chosen = path;
    return true;
}

int PageImagePrompts::show(const PageMessage& message) {
    return showPageMessage(parametersWindow, message);
}

} // namespace zim
