#include "shell/parameters_window.h"

#include <memory>

#include "model/program_state.h"
#include "model/project.h"
#include "shell/object_code.h"
#include "shell/shell_state.h"
#include "shell/structure_pane_layout.h"
#include "shell/window_base.h"
#include "shell/window_classes.h"

namespace zim {

HWND parametersWindow = nullptr;

namespace {

constexpr DWORD parametersStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD parametersExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
static_assert(parametersExtendedStyle == 0x20201, "the parameters window's extended style");

// The frame of the object selected when it was opened; its pages will live here.
class ParametersFrame : public WindowBase {
  public:
    explicit ParametersFrame(const ObjectSelection& selection) : selection_(selection) {}

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CREATE:
            onCreate();
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        }
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    // Opening an object for editing marks the project unsaved, whatever the object.
    void onCreate() { projectUnsaved = 1; }

    void onDestroy() {
        if (parametersWindow == window())
            parametersWindow = nullptr;
    }

    ObjectSelection selection_;
};

} // namespace

HWND openParametersWindow(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    const ObjectSelection selection{currentObjectKind, currentWindow, currentControl};
    parametersWindow = createWindow(std::make_unique<ParametersFrame>(selection),
                                    {parametersWindowClass, "", parametersStyle,
                                     editViewLayout(client.right, client.bottom).parameters, view,
                                     parametersExtendedStyle});
    return parametersWindow;
}

void closeParametersWindow() {
    if (parametersWindow)
        DestroyWindow(parametersWindow);
    parametersWindow = nullptr;
}

} // namespace zim
