#include "editors/window/window_page_base.h"

#include "editors/frame/command_buttons.h"
#include "editors/frame/frame_layout.h"
#include "editors/frame/parameters_frame.h"
#include "shell/user_questions.h"

namespace zim {

WindowPageBase::WindowPageBase(ParametersFrame& frame) : frame_(frame) {}

EditingSession& WindowPageBase::session() const {
    return frame_.session();
}

int WindowPageBase::windowNumber() const {
    return frame_.session().selection().window;
}

EditorState WindowPageBase::state() const {
    return frame_.session().state();
}

std::vector<ControlDescription> WindowPageBase::controls(int width, int height) const {
    std::vector<ControlDescription> rows = pageControls(width, height);
    for (const CommandButton& button : commandButtons(width, height, commandButtonMargin))
        rows.push_back({"BUTTON", button.text, WS_TABSTOP, button.box, button.id,
                        ControlFont::control, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE});
    return rows;
}

void WindowPageBase::onCommand(int id, int code, HWND control) {
    switch (id) {
    case editParametersCommand:
        if (state() != EditorState::view)
            return;
        if (const std::optional<PageMessage> refusal = editRefusal()) {
            show(*refusal);
            return;
        }
        // The fields open first, so that filling them can put the focus into one.
        if (session().edit() == StepResult::ignored)
            return;
        frame_.applyEnabling();
        loadControls();
        return;
    case restoreParametersCommand:
        if (state() != EditorState::edit)
            return;
        restoreWorkingCopy();
        session().restore();
        loadControls();
        frame_.applyEnabling();
        return;
    case saveParametersCommand:
        if (state() == EditorState::edit)
            saveWorkingCopy();
        return;
    default:
        onPageCommand(id, code, control);
        return;
    }
}

void WindowPageBase::finishSave() {
    session().save();
    loadControls();
    frame_.applyEnabling();
}

// The command buttons are the page's own, so they follow the session, not the fields.
void WindowPageBase::onEnableControls(bool) {
    enableCommandButtons(window(), session().enabling());
    applyPageEnabling(state());
}

int WindowPageBase::show(const PageMessage& message) const {
    HWND owner = message.owner == MessageOwner::parametersWindow ? frame_.window() : nullptr;
    return ask(owner, message.text, message.caption, message.flags);
}

} // namespace zim
