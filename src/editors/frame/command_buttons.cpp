#include "editors/frame/command_buttons.h"

#include "editors/frame/frame_layout.h"
#include "shell/control_toolkit.h"

namespace zim {

void CreateCommandButtons(HWND parent, const RECT& rect, int margin) {
    for (const CommandButton& button : commandButtons(rect.right, rect.bottom, margin))
        createControl(parent, {"BUTTON", button.text, WS_TABSTOP, button.box, button.id,
                               ControlFont::control, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE});
}

void enableCommandButtons(HWND parent, const FrameEnabling& enabling) {
    enable(parent, {editParametersCommand}, enabling.editButton);
    enable(parent, {restoreParametersCommand}, enabling.restoreButton);
    enable(parent, {saveParametersCommand}, enabling.saveButton);
}

void SetViewState(HWND parent) {
    FrameEnabling view;
    view.editButton = true;
    enableCommandButtons(parent, view);
}

} // namespace zim
