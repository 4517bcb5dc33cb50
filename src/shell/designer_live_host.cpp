#include "shell/designer_live_host.h"

#include "live/live_host.h"
#include "shell/backdrop.h"
#include "shell/shell_state.h"
#include "shell/switching_window.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

class DesignerLiveHost : public LiveHost {
  public:
    void hideDesigner() override {
        if (mainWindow) {
            EnableWindow(mainWindow, FALSE);
            ShowWindow(mainWindow, SW_HIDE);
        }
        if (switchingWindow) {
            EnableWindow(switchingWindow, TRUE);
            ShowWindow(switchingWindow, SW_SHOWNA);
        }
    }

    void showDesigner() override {
        if (switchingWindow) {
            ShowWindow(switchingWindow, SW_HIDE);
            EnableWindow(switchingWindow, FALSE);
        }
        if (mainWindow) {
            EnableWindow(mainWindow, TRUE);
            ShowWindow(mainWindow, SW_SHOW);
            SetForegroundWindow(mainWindow);
        }
    }

    HWND frameWindow() override { return backdropWindow; }

    void previewEnded() override {
        if (backdropWindow)
            PostMessageA(backdropWindow, WM_COMMAND, MAKEWPARAM(releasePreviewCommand, 0), 0);
    }

    int message(HWND owner, const std::string& text, const std::string& caption,
                UINT flags) override {
        return ask(owner, text, caption, flags);
    }
};

DesignerLiveHost designerHost;

} // namespace

void installDesignerLiveHost() {
    setLiveHost(&designerHost);
}

} // namespace zim
