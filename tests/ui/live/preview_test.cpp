// The preview through real windows: the default project's wallpaper and window 1, the button
// actions, a modal dialog as window 1, placement in an owner, the way back, a class that cannot
// be registered, and no object left behind by ten previews.
#include <gtest/gtest.h>

#include "live/live_classes.h"
#include "live/preview.h"
#include "live/win32_handles.h"
#include "live_test_support.h"
#include "model/default_project.h"
#include "model/style_lists.h"
#include "shell/backdrop.h"
#include "shell/structure_pane.h"
#include "shell/switching_window.h"

namespace zim::test {
namespace {

class PreviewTest : public LiveTest {
  protected:
    // A design without wallpaper shows window 1 at once, owned by the designer's backdrop.
    static void withoutWallpaper() {
        project().program.wallpaperPresent = 0;
        window(1).animate = 0;
    }

    static HWND startButton() { return findChildByText(liveWindow(1), "Start"); }

    void expectAsked(const char* text) const {
        ASSERT_FALSE(questions_.asked().empty());
        EXPECT_EQ(questions_.last().text, text);
        EXPECT_EQ(questions_.last().caption, "Button Action");
        EXPECT_EQ(questions_.last().flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    }
};

RECT windowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

RECT clientOnScreen(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(PreviewTest, DefaultProjectRunsWithWallpaperFirstAndBackReturnsAnyNumberOfTimes) {
    writeBitmap("Wallpaper.bmp", 40, 30, [](int, int) { return RGB(10, 200, 30); });
    chooseView(viewEdit);
    click(GetDlgItem(GetParent(structurePaneTree()), previewButtonId));

    EXPECT_FALSE(IsWindowVisible(mainWindow_));
    EXPECT_FALSE(IsWindowEnabled(mainWindow_));
    EXPECT_TRUE(IsWindowVisible(switchingWindow) && IsWindowEnabled(switchingWindow));
    HWND wallpaper = wallpaperWindow();
    ASSERT_NE(wallpaper, nullptr);
    EXPECT_EQ(liveWindow(1), nullptr); // the wallpaper's timer opens window 1
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(windowRect(wallpaper), (RECT{0, 0, screenW, screenH}));

    HWND first = waitForFirstWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetWindow(first, GW_OWNER), wallpaper);
    EXPECT_EQ(className(first), "ZIM_Window001 Class");
    EXPECT_EQ(windowText(first), "First Application Window");
    const int left = (screenW - 300) / 2, top = (screenH - 200) / 2;
    EXPECT_EQ(windowRect(first), (RECT{left, top, left + 300, top + 200}));

    HWND start = startButton();
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(className(start), "Button");
    EXPECT_EQ(GetDlgCtrlID(start), 1);
    EXPECT_EQ(rectIn(first, start), (RECT{10, 10, 60, 45}));
    const DWORD buttonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CENTER | BS_VCENTER;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(start, GWL_STYLE)) & buttonStyle, buttonStyle);
    HWND text = findChildByText(first, "Text Static Control");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(className(text), "Static");
    EXPECT_EQ(GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
    EXPECT_EQ(rectIn(first, text), (RECT{20, 20, 210, 45}));

    click(start);
    expectAsked("User-provided subroutine was called...");
    EXPECT_TRUE(IsWindow(first));

    pressBack();
    EXPECT_TRUE(designerShown());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(IsWindow(wallpaper));
    EXPECT_FALSE(liveClassRegistered(wallpaperClassName));

    chooseView(viewFile);
    click(findChildByText(viewDialog, "Preview Program"));
    EXPECT_NE(waitForFirstWindow(), nullptr);
    click(startButton());
    expectAsked("User-provided subroutine was called...");
    pressBack();
    EXPECT_TRUE(designerShown());
}

TEST_F(PreviewTest, CloseButtonsCloseTheirWindowAndTheDesignerGoesOn) {
    withoutWallpaper();
    button(1, 1).action = 1;
    ASSERT_TRUE(startPreview());
    HWND first = liveWindow(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetWindow(first, GW_OWNER), backdropWindow);
    click(startButton());
    expectAsked("Current window is closed now...");
    EXPECT_FALSE(IsWindow(first));
    waitForPreviewEnd();
    EXPECT_TRUE(designerShown());

    button(1, 1).action = 2;
    ASSERT_TRUE(startPreview());
    first = liveWindow(1);
    click(startButton());
    expectAsked("Application is closed now...");
    EXPECT_FALSE(IsWindow(first));
    waitForPreviewEnd();
    EXPECT_TRUE(designerShown());
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));

    // A modeless dialog closes itself the same way.
    window(1).kind = 1;
    button(1, 1).action = 1;
    ASSERT_TRUE(startPreview());
    first = liveWindow(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(className(first), "#32770");
    click(startButton());
    expectAsked("Current window is closed now...");
    EXPECT_FALSE(IsWindow(first));
    waitForPreviewEnd();
    EXPECT_TRUE(designerShown());
}

TEST_F(PreviewTest, ModalDialogAsFirstWindowRunsUntilBackClosesIt) {
    withoutWallpaper();
    window(1).kind = 2;
    bool shown = false;
    onNextDialog([&](HWND dialog) {
        shown = true;
        EXPECT_EQ(dialog, liveWindow(1));
        EXPECT_EQ(GetPropA(dialog, "Dialog"), reinterpret_cast<HANDLE>(1));
        // Placed and sized in pixels, whatever the dialog units made of it.
        EXPECT_EQ(windowRect(dialog), centredInClient(backdropWindow, {300, 200}));
        click(startButton());
        click(GetDlgItem(switchingWindow, backButtonId));
    });
    EXPECT_TRUE(startPreview()); // returns once the dialog is closed
    EXPECT_TRUE(shown);
    expectAsked("User-provided subroutine was called...");
    EXPECT_EQ(liveWindow(1), nullptr);
    waitForPreviewEnd();
    EXPECT_TRUE(designerShown());
}

TEST_F(PreviewTest, GridPlacesWindowInItsOwnersClientAreaEvenWhenSizedByItsClientArea) {
    withoutWallpaper();
    window(1).placement = 8;
    MoveWindow(backdropWindow, 100, 80, 700, 500, FALSE);
    const RECT owner = clientOnScreen(backdropWindow);

    ASSERT_TRUE(startPreview());
    RECT r = windowRect(liveWindow(1));
    EXPECT_EQ(r, (RECT{owner.right - 300, owner.bottom - 200, owner.right, owner.bottom}));
    pressBack();

    window(1).sizeMode = 2;
    ASSERT_TRUE(startPreview());
    r = windowRect(liveWindow(1));
    EXPECT_EQ(r.right, owner.right);
    EXPECT_EQ(r.bottom, owner.bottom);
    EXPECT_EQ(clientSize(liveWindow(1)).cx, 300);
    EXPECT_EQ(clientSize(liveWindow(1)).cy, 200);
    pressBack();
}

// Before window 1 is open, "Back" has no window to close: the preview ends at once instead of
// leaving the designer hidden.
TEST_F(PreviewTest, BackBeforeTheFirstWindowOpensEndsThePreview) {
    project().wallpaper.firstWindowDelay = 60000;
    ASSERT_TRUE(startPreview());
    ASSERT_NE(wallpaperWindow(), nullptr);
    EXPECT_EQ(liveWindow(1), nullptr);
    pressBack();
    EXPECT_FALSE(previewRunning());
    EXPECT_EQ(wallpaperWindow(), nullptr);
    EXPECT_TRUE(designerShown());
}

TEST_F(PreviewTest, ClassThatCannotBeRegisteredBringsTheDesignerBack) {
    WNDCLASSEXA taken = {};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "ZIM_Window001 Class";
    ASSERT_NE(RegisterClassExA(&taken), 0);

    EXPECT_FALSE(startPreview());
    ASSERT_FALSE(questions_.asked().empty());
    EXPECT_EQ(questions_.last().text, "Error while registering preview window class");
    EXPECT_EQ(questions_.last().caption, "Error");
    EXPECT_EQ(questions_.last().flags, static_cast<UINT>(MB_OK | MB_ICONHAND));
    EXPECT_FALSE(previewRunning());
    EXPECT_EQ(wallpaperWindow(), nullptr);
    EXPECT_TRUE(designerShown());
    UnregisterClassA(taken.lpszClassName, taken.hInstance);
}

// Every kind of object a preview makes: class brush, cursor and icons from files, background
// images, a wallpaper image, a font, a static's brush, image controls and the tooltips.
TEST_F(PreviewTest, TenPreviewsLeaveNoObjectBehind) {
    writeBitmap("Wallpaper.bmp", 16, 16, [](int x, int) { return x < 8 ? RGB(255, 0, 0) : 0; });
    writeBitmap("Wnd_001_01.bmp", 12, 12, [](int, int y) { return y < 6 ? RGB(0, 0, 255) : 0; });
    writeBitmap("Button_001_002.bmp", 16, 16, [](int, int) { return RGB(0, 128, 0); });
    writeIcon("Wnd_001.ico", RGB(200, 0, 0));
    writeIcon("Wnd_001s.ico", RGB(0, 200, 0));
    writeIcon("Wnd_001.cur", RGB(0, 0, 200), true);
    writeIcon("Static_001_002.ico", RGB(100, 100, 0));

    AppWindow& first = window(1);
    first.iconSource = first.smallIconSource = first.cursorSource = 0;
    first.backgroundKind = 1;
    first.backgroundValue = RGB(20, 40, 60);
    first.imageCount = 1;
    buildNewBackgroundImage(image(1, 1), first, 1, 1);
    first.buttonCount = 2;
    buildNewButton(button(1, 2), 1, 2);
    button(1, 1).customFont = 1;
    button(1, 2).kind = 1;
    button(1, 2).y = 60;
    first.staticCount = 2;
    buildNewStatic(staticControl(1, 2), 1, 2);
    staticControl(1, 1).customColours = 1;
    staticControl(1, 1).customFont = 1;
    staticControl(1, 1).descriptionAsTooltip = 1;
    staticControl(1, 2).kind = 2;
    staticControl(1, 2).imageKind = 1;
    staticControl(1, 2).standardImage = 0;
    staticControl(1, 2).y = 100;

    auto previewOnce = [] {
        ASSERT_TRUE(startPreview());
        HWND shown = waitForFirstWindow();
        ASSERT_NE(shown, nullptr);
        UpdateWindow(shown);
        ASSERT_NE(loadHandle<HBRUSH>(staticControl(1, 1).brushSlot), nullptr);
        ASSERT_NE(button(1, 2).imageHandle, 0);
        pressBack();
        ASSERT_TRUE(designerShown());
    };
    previewOnce(); // the system's own caches fill on the first
    const GuiObjects before = guiObjects();
    for (int i = 0; i < 10; ++i)
        previewOnce();
    const GuiObjects after = guiObjects();
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
}

} // namespace
} // namespace zim::test
