// The edit windows on working copies, driven by posted mouse messages and real keys: a button
// moved and sized, a drag cancelled, an image's area sized, the window position followed, and
// the page told with command 134; a class that cannot be registered brings the designer back.
#include <gtest/gtest.h>

#include <vector>

#include "live/edit_windows.h"
#include "live/win32_handles.h"
#include "live_test_support.h"
#include "model/default_project.h"
#include "shell/switching_window.h"

namespace zim::test {
namespace {

// The editor page that opened the edit window: it counts the commands 134 it receives.
int closedCommands = 0;

LRESULT CALLBACK pageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == editWindowClosedCommand)
        ++closedCommands;
    return DefWindowProcA(window, message, wParam, lParam);
}

class EditWindowTest : public LiveTest {
  protected:
    void SetUp() override {
        LiveTest::SetUp();
        WNDCLASSA page = {};
        page.lpfnWndProc = pageProcedure;
        page.hInstance = GetModuleHandleA(nullptr);
        page.lpszClassName = "ZimTestEditorPage";
        RegisterClassA(&page);
        page_ = CreateWindowExA(0, page.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                page.hInstance, nullptr);
        closedCommands = 0;
    }

    void TearDown() override {
        DestroyWindow(page_);
        UnregisterClassA("ZimTestEditorPage", GetModuleHandleA(nullptr));
        LiveTest::TearDown();
    }

    static void post(UINT message, int x, int y) {
        PostMessageA(editWindow(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM(x, y));
    }

    // Presses, moves and releases the left button at client positions of the edit window.
    static void drag(int fromX, int fromY, int toX, int toY) {
        post(WM_MOUSEMOVE, fromX, fromY);
        post(WM_LBUTTONDOWN, fromX, fromY);
        post(WM_MOUSEMOVE, toX, toY);
        post(WM_LBUTTONUP, toX, toY);
        pumpMessages();
    }

    // A key pressed on the focused edit window, with Shift held when asked.
    static void key(WORD vk, bool shift = false) {
        std::vector<INPUT> inputs;
        auto add = [&inputs](WORD code, DWORD flags) {
            INPUT input = {};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = code;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        };
        if (shift)
            add(VK_SHIFT, 0);
        add(vk, 0);
        add(vk, KEYEVENTF_KEYUP);
        if (shift)
            add(VK_SHIFT, KEYEVENTF_KEYUP);
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        pumpThroughLoop();
    }

    static RECT clientOnScreen(HWND window) {
        RECT r;
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    // Closes the edit window as "Back" does; the page is told.
    void closeAndExpectReport() {
        click(GetDlgItem(switchingWindow, backButtonId));
        pumpUntil([] { return closedCommands > 0; });
        EXPECT_EQ(closedCommands, 1);
        EXPECT_EQ(editWindow(), nullptr);
        EXPECT_TRUE(designerShown());
        releaseEditWindowClass();
    }

    HWND page_ = nullptr;
};

TEST_F(EditWindowTest, ButtonIsMovedAndSizedByMouseAndKeysOnItsWorkingCopy) {
    ButtonControl copy = button(1, 1); // at (10, 10), 50 x 35
    ASSERT_TRUE(openButtonEditWindow(1, 1, copy, page_));
    HWND edit = editWindow();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(className(edit), "ZIM_Window000 Class");
    EXPECT_FALSE(IsWindowVisible(mainWindow_));
    EXPECT_TRUE(IsWindowVisible(switchingWindow));
    HWND live = loadHandle<HWND>(copy.hwnd);
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(GetParent(live), edit);
    EXPECT_FALSE(IsWindowEnabled(live));
    EXPECT_FALSE(IsWindowEnabled(loadHandle<HWND>(staticControl(1, 1).hwnd)));

    // A move grabbed anywhere inside snaps the pointer to the top-left corner, keeps it in the
    // client area while the button is held, and puts the corner where it is released.
    post(WM_LBUTTONDOWN, 30, 25);
    pumpMessages();
    RECT clip;
    GetClipCursor(&clip);
    EXPECT_EQ(clip, clientOnScreen(edit));
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(edit, &pointer);
    EXPECT_EQ(pointer.x, 10);
    EXPECT_EQ(pointer.y, 10);
    post(WM_MOUSEMOVE, 40, 50);
    post(WM_LBUTTONUP, 40, 50);
    pumpMessages();
    EXPECT_EQ(copy.x, 40);
    EXPECT_EQ(copy.y, 50);
    EXPECT_EQ(rectIn(edit, live), (RECT{40, 50, 90, 85}));
    GetClipCursor(&clip);
    EXPECT_NE(clip, clientOnScreen(edit)); // released

    // The left edge dragged past the right edge: the old right edge becomes the left.
    drag(41, 60, 100, 60);
    EXPECT_EQ(copy.x, 90);
    EXPECT_EQ(copy.width, 10);

    // A press in a bottom corner grabs nothing.
    drag(90, 84, 150, 150);
    EXPECT_EQ(copy.x, 90);
    EXPECT_EQ(copy.height, 35);

    // Esc ends a drag without a change.
    post(WM_LBUTTONDOWN, 95, 60);
    post(WM_MOUSEMOVE, 150, 150);
    PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    post(WM_LBUTTONUP, 150, 150);
    pumpMessages();
    EXPECT_EQ(copy.x, 90);
    EXPECT_EQ(copy.y, 50);

    SetForegroundWindow(edit);
    SetFocus(edit);
    key(VK_RIGHT);
    key(VK_DOWN, true);
    EXPECT_EQ(copy.x, 91);
    EXPECT_EQ(copy.height, 36);
    EXPECT_EQ(rectIn(edit, live), (RECT{91, 50, 101, 86}));

    // The button's own mouse input reaches the edit window in its coordinates.
    EXPECT_EQ(GetPropA(live, "ControlType"), reinterpret_cast<HANDLE>(1));
    EXPECT_EQ(GetPropA(live, "ControlNumber"), reinterpret_cast<HANDLE>(1));
    EXPECT_EQ(GetPropA(live, "ParentWindow"), reinterpret_cast<HANDLE>(1));
    EXPECT_NE(GetPropA(live, "OldProcedure"), nullptr);
    SendMessageA(live, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(70, 70));
    EXPECT_EQ(copy.x, 70);
    EXPECT_EQ(copy.y, 70);

    EXPECT_EQ(button(1, 1).x, 10); // the Project waits for the page's Save
    closeAndExpectReport();
    EXPECT_EQ(copy.hwnd, 0);
    EXPECT_EQ(copy.x, 70);
}

TEST_F(EditWindowTest, ImageAreaIsSizedByItsBottomEdge) {
    writeBitmap("Wnd_001_01.bmp", 20, 20, [](int, int) { return RGB(0, 0, 255); });
    AppWindow& first = window(1);
    first.imageCount = 1;
    buildNewBackgroundImage(image(1, 1), first, 1, 1);
    image(1, 1).placement = 10;
    image(1, 1).x = 30;
    image(1, 1).y = 40;
    BackgroundImage copy = image(1, 1);

    ASSERT_TRUE(openImageEditWindow(1, 1, copy, page_));
    EXPECT_EQ(copy.drawingArea[0], 30);
    EXPECT_EQ(copy.drawingArea[1], 40);
    EXPECT_EQ(copy.drawingArea[2], 50);
    EXPECT_EQ(copy.drawingArea[3], 60);
    drag(40, 59, 40, 80);
    EXPECT_EQ(copy.drawingArea[3], 80);
    EXPECT_EQ(copy.drawingArea[1], 40);
    EXPECT_EQ(image(1, 1).drawingArea[3], 500); // untouched
    closeAndExpectReport();
}

TEST_F(EditWindowTest, PositionWindowFollowsItsFrameAsTheDesignedWindowWouldStand) {
    PixelRect chosen;
    ASSERT_TRUE(openPositionEditWindow(1, chosen, page_));
    HWND edit = editWindow();
    // Where the preview puts window 1: centred in the wallpaper, which covers the screen.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 300) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 200) / 2;
    EXPECT_EQ(chosen, (PixelRect{left, top, left + 300, top + 200}));

    RECT r;
    GetWindowRect(edit, &r);
    SetWindowPos(edit, nullptr, r.left - 30, r.top + 20, r.right - r.left + 40,
                 r.bottom - r.top + 10, SWP_NOZORDER);
    EXPECT_EQ(chosen, (PixelRect{left - 30, top + 20, left + 310, top + 230}));
    closeAndExpectReport();
    EXPECT_EQ(chosen.width(), 340);
}

TEST_F(EditWindowTest, ClassThatCannotBeRegisteredBringsTheDesignerBack) {
    WNDCLASSEXA taken = {};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "ZIM_Window000 Class";
    ASSERT_NE(RegisterClassExA(&taken), 0);

    ButtonControl copy = button(1, 1);
    EXPECT_FALSE(openButtonEditWindow(1, 1, copy, page_));
    ASSERT_FALSE(questions_.asked().empty());
    EXPECT_EQ(questions_.last().text, "Error while registering edit window class");
    EXPECT_EQ(questions_.last().caption, "Error");
    EXPECT_EQ(questions_.last().flags, static_cast<UINT>(MB_OK | MB_ICONHAND));
    EXPECT_EQ(editWindow(), nullptr);
    EXPECT_TRUE(designerShown());
    pumpMessages();
    EXPECT_EQ(closedCommands, 0);
    UnregisterClassA(taken.lpszClassName, taken.hInstance);
}

} // namespace
} // namespace zim::test
