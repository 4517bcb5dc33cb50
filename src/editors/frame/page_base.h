// The base of the parameters frame's tab pages. A page is a modeless child dialog from an
// in-memory template without controls; on WM_INITDIALOG it moves onto the page rectangle its
// creator gives, creates its controls there from its table and shows the working copy. Data
// moves through two functions: loadControls() (working copy to controls) and storeControls()
// (controls to working copy). Messages are decoded once, into onCommand and onNotify.
//
// Lifetime: a page is made with new and passed to createPage. From WM_INITDIALOG on it belongs
// to its window and is deleted after the window's WM_NCDESTROY (the frame destroying it, or
// its parent going); if no window was made it is deleted at once. Nobody else deletes it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "shell/control_toolkit.h"
#include "shell/layout_box.h"

namespace zim {

class PageBase {
  public:
    virtual ~PageBase() = default;
    PageBase(const PageBase&) = delete;
    PageBase& operator=(const PageBase&) = delete;

    // The page of a page window, or null for a window that is no page.
    static PageBase* pageOf(HWND pageWindow);

    HWND window() const { return window_; }

    // The working copy into the controls; also done once when the page is created.
    virtual void loadControls() = 0;
    // The controls into the working copy.
    virtual void storeControls() = 0;

    // Enables or disables every control of the page at once, then applies the page's own
    // finer rules (onEnableControls).
    void enableControls(bool enabled);

    // Keyboard input for the page's controls as the message loop routes it (routeDialogKeys):
    // Tab and the arrows move between them, Enter presses the focused push button. Returns
    // whether the page took the message. The parameter pages' filter of the message loop
    // (setParameterPageFilter) calls this for the pages on show.
    bool routeKeyboard(MSG& message);

  protected:
    PageBase() = default;

    // The page's controls in its client area of width x height pixels, in Tab order.
    virtual std::vector<ControlDescription> controls(int width, int height) const = 0;
    // After the controls exist and before loadControls(): text limits, list contents.
    virtual void onInit() {}
    // After enableControls() set every control: controls that stay disabled, and the like.
    virtual void onEnableControls(bool /*enabled*/) {}
    // WM_COMMAND: the control's identifier and notification code (0 for a menu's command).
    virtual void onCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    // WM_NOTIFY; the result is the message's answer (through DWLP_MSGRESULT).
    virtual LRESULT onNotify(const NMHDR& /*header*/) { return 0; }
    // WM_CTLCOLORSTATIC: the brush that paints the static, or null for the dialog's default.
    virtual HBRUSH onControlColour(HDC /*dc*/, HWND /*control*/) { return nullptr; }

  private:
    friend HWND createPage(std::unique_ptr<PageBase> page, HWND parent, const LayoutBox& area);
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void onInitDialog(HWND dialog);

    HWND window_ = nullptr;
    LayoutBox area_{};
};

// Creates the page as a visible child of `parent` on `area` (the parent's client coordinates)
// and returns its window, or 0 when it could not be created.
HWND createPage(std::unique_ptr<PageBase> page, HWND parent, const LayoutBox& area);

} // namespace zim
