// The floor of the runtime benchmark: a hand-written program that makes, with bare Win32 calls,
// the window the benchmark's design describes (make_runtime_projects' "Bench window"): a
// 720 x 400 window centred on the screen with ten push buttons, ten centred text statics and a
// tooltip for each, painted with its background colour.
#include <windows.h>

#include <commctrl.h>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void addTool(HWND tooltip, HWND owner, HWND control, const char* text) {
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC | CS_SAVEBITS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "BareWindow";
    RegisterClassExA(&windowClass);

    const int width = 720, height = 400;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, "BareWindow",
                                  "First Application Window",
                                  WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU, x, y, width, height,
                                  nullptr, nullptr, instance, nullptr);
    HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, 0, 0,
                                   0, 0, window, nullptr, instance, nullptr);
    SendMessageA(tooltip, TTM_SETTIPBKCOLOR, RGB(255, 255, 128), 0);
    SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, 222);
    for (int k = 0; k < 10; ++k) {
        HWND text = CreateWindowExA(0, "static", "Static", WS_CHILD | WS_VISIBLE | SS_CENTER, 20,
                                    60 + 30 * k, 190, 25, window, nullptr, instance, nullptr);
        addTool(tooltip, window, text, "Standard Text Static Control...");
    }
    for (int k = 0; k < 10; ++k) {
        HWND button = CreateWindowExA(
            0, "button", "Button",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER,
            10 + 70 * k, 10, 60, 35, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(k + 1)),
            instance, nullptr);
        addTool(tooltip, window, button, "Default window button. Purpose - start calculations...");
    }
    ShowWindow(window, SW_SHOW);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
