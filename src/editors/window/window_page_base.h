// What the editing pages of a window share: the three command buttons along the page's
// bottom, which the page handles itself, and the view state / edit state protocol around its
// working copy. "Edit Parameters" opens the page's fields and shows the working copy again;
// "Restore Previous Parameters" loads the working copy from the Project; "Save Parameters
// Values" is the page's own (it may refuse and stay in edit state). After each step the frame
// enables the command buttons, the structure tree, the tabs and the title edit.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "editors/frame/editing_session.h"
#include "editors/frame/page_base.h"
#include "editors/frame/page_message.h"

namespace zim {

class ParametersFrame;

class WindowPageBase : public PageBase {
  protected:
    explicit WindowPageBase(ParametersFrame& frame);

    ParametersFrame& frame() const { return frame_; }
    EditingSession& session() const;
    // The window the page edits (1-based).
    int windowNumber() const;
    EditorState state() const;

    // The page's own controls above the command buttons, which take the bottom 50 pixels.
    virtual std::vector<ControlDescription> pageControls(int width, int height) const = 0;
    // The page's finer enabling after every control was enabled or disabled at once.
    virtual void applyPageEnabling(EditorState state) = 0;
    // The page's commands (the command buttons are handled here).
    virtual void onPageCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    // Why "Edit Parameters" does not open the fields now, if it does not.
    virtual std::optional<PageMessage> editRefusal() const { return std::nullopt; }
    // "Restore Previous Parameters": the working copy is loaded from the Project again.
    virtual void restoreWorkingCopy() = 0;
    // "Save Parameters Values": checks and stores the working copy; on success it ends with
    // finishSave(), on a refusal it shows the message and the page stays in edit state.
    virtual void saveWorkingCopy() = 0;

    // The working copy was stored: back to view state showing it.
    void finishSave();

    // A message of the page's rules, owned by the parameters window when the rule says so.
    int show(const PageMessage& message) const;

  private:
    std::vector<ControlDescription> controls(int width, int height) const final;
    void onCommand(int id, int code, HWND control) final;
    void onEnableControls(bool enabled) final;

    ParametersFrame& frame_;
};

} // namespace zim
