// What the parameters window shows for its object kind: the program page, the wallpaper and
// background-image pages, the kind header of buttons and statics with their tab pages, and the
// window header with its tabs. The frame builds one on WM_CREATE and hands it the messages that
// its kind handles.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "editors/frame/editing_session.h"

namespace zim {

class ObjectEditor {
  public:
    virtual ~ObjectEditor() = default;

    // Creates the editor's controls in the frame and shows the object in view state.
    virtual void build() = 0;

    // WM_COMMAND from the editor's controls and the command buttons. An editor that changes
    // what the structure tree shows asks for it to be rebuilt once the command is handled
    // (rebuildStructureTreeLater): the rebuilt tree replaces the frame and this editor.
    virtual void onCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    // WM_NOTIFY; nothing for the frame's default answer.
    virtual std::optional<LRESULT> onNotify(const NMHDR& /*header*/) { return std::nullopt; }
    // WM_CTLCOLORSTATIC; nothing for the frame's default answer.
    virtual std::optional<HBRUSH> onControlColour(HDC /*dc*/, HWND /*control*/) {
        return std::nullopt;
    }

    // After the frame has enabled the command buttons and the structure tree: the editor's own
    // controls, its tab control and its page.
    virtual void applyEnabling(const FrameEnabling& /*enabling*/) {}

    // The tab page on show, 0 when there is none.
    virtual HWND tabPage() const { return nullptr; }
};

} // namespace zim
