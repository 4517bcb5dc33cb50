#include "shell/parameters_window.h"

#include "model/program_state.h"
#include "model/project.h"
#include "shell/shell_state.h"
#include "shell/structure_pane_layout.h"
#include "shell/window_classes.h"

namespace zim {

HWND parametersWindow = nullptr;

namespace {

constexpr DWORD parametersStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD parametersExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

// void onCreate(HWND window, const CREATESTRUCTA& create)
// The creation parameter points at the editing state; the pages will read the selection
// through it. Opening an object for editing marks the project unsaved, whatever the object.
void onCreate(HWND window, const CREATESTRUCTA& create) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create.lpCreateParams));
    projectUnsaved = 1;
}

void onDestroy(HWND window) {
    if (parametersWindow == window)
        parametersWindow = nullptr;
}

} // namespace

LRESULT CALLBACK parametersWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND openParametersWindow(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    const LayoutBox area = editViewLayout(client.right, client.bottom).parameters;
    parametersWindow = CreateWindowExA(parametersExtendedStyle, parametersWindowClass, "",
                                       parametersStyle, area.left, area.top, area.width,
                                       area.height, view, nullptr, hInstance, &currentObjectKind);
    return parametersWindow;
}

void closeParametersWindow() {
    if (parametersWindow)
        DestroyWindow(parametersWindow);
    parametersWindow = nullptr;
}

} // namespace zim
