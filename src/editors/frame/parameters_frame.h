// The parameters window: the right three quarters of the Edit view, where the object selected
// in the structure tree is edited. The frame owns what every editor shares: the editing
// session, the title, the enabling of the command buttons and of the structure tree, the four
// popup menus, the brushes pages make for colour samples and the keyboard routing of the
// message loop. Everything else goes to the editor of its object kind (ObjectEditor).
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "editors/frame/editing_session.h"
#include "editors/frame/frame_menus.h"
#include "editors/frame/object_editor.h"
#include "shell/object_code.h"
#include "shell/window_base.h"

namespace zim {

// The open parameters window, 0 when none is open.
extern HWND parametersWindow;

// Opens the parameters window for the editing state (currentObjectKind, currentWindow,
// currentControl) in the right three quarters of the Edit view `view`. Opening an object
// marks the project unsaved (the session does it).
HWND openParametersWindow(HWND view);

// Destroys the open parameters window, if any.
void closeParametersWindow();

class ParametersFrame : public WindowBase {
  public:
    explicit ParametersFrame(const ObjectSelection& selection);
    ~ParametersFrame() override;

    // The frame of the open parameters window, null when none is open.
    static ParametersFrame* current();

    EditingSession& session() { return session_; }
    const FrameMenus& menus() const { return menus_; }
    // The editor of the object kind; null for a kind whose editor is not built.
    ObjectEditor* editor() const { return editor_.get(); }

    // After every step of the session: the command buttons, the structure tree and the
    // editor's own controls as the session's enabling says.
    void applyEnabling();

    // Keeps a brush a page made for a colour sample in slot 0, 1 or 2, deleting the one it
    // replaces; the frame deletes those left when it goes.
    void setPageBrush(int slot, HBRUSH brush);

    // Keyboard input for the tab page on show, then for the frame's own controls.
    bool routeKeyboard(MSG& message);

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onCreate();
    void onDestroy();
    void onPaint();
    void keepFocusUsable();

    ObjectSelection selection_;
    EditingSession session_;
    std::unique_ptr<ObjectEditor> editor_;
    FrameMenus menus_;
    std::array<HBRUSH, 3> pageBrushes_{};
};

} // namespace zim
