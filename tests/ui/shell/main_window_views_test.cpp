#include <gtest/gtest.h>

#include "shell/message_loop.h"
#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::ShellTest;

bool greyed(int item) {
    return (GetMenuState(GetMenu(mainWindow), item, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

DWORD viewStyle() {
    return static_cast<DWORD>(GetWindowLongA(viewDialog, GWL_STYLE));
}

// The menu holds the three views as plain commands, the shown one greyed. Choosing another
// view rebuilds the view dialog; choosing the shown one does nothing.
TEST_F(ShellTest, TheMenuSwitchesViewsAndGreysTheShownOne) {
    start();
    HMENU menu = GetMenu(mainWindow);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const char* names[] = {"File", "Edit", "About"};
    for (int i = 0; i < 3; ++i) {
        char text[32] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, names[i]);
        EXPECT_EQ(GetSubMenu(menu, i), nullptr);
    }
    HWND aboutPicture = FindWindowExA(viewDialog, nullptr, "Static", "ABOUT");
    ASSERT_NE(aboutPicture, nullptr);
    const struct {
        int view;
        const char* shows;
    } steps[] = {{1, "Create New Project"}, {2, "Preview"}, {2, "Preview"}, {3, "ABOUT"}};
    HWND shown = viewDialog;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.view);
        const int before = currentView;
        chooseView(step.view);
        EXPECT_EQ(currentView, step.view);
        EXPECT_EQ(viewDialog == shown, before == step.view);
        EXPECT_EQ(IsWindow(shown) != FALSE, before == step.view);
        shown = viewDialog;
        for (int view = 1; view <= 3; ++view)
            EXPECT_EQ(greyed(1000 + view), view == step.view) << view;
        EXPECT_NE(test::findChildByText(viewDialog, step.shows), nullptr);
        // Only the Edit view's dialog has no modal frame.
        EXPECT_EQ((viewStyle() & DS_MODALFRAME) != 0, step.view != 2);
    }
    EXPECT_EQ(previousView, 2);
    EXPECT_FALSE(IsWindow(aboutPicture));
}

// Keyboard input reaches the parameter page's filter first, then the view dialog.
TEST_F(ShellTest, KeyboardGoesToThePageFilterThenToTheViewDialog) {
    start();
    chooseView(1);
    HWND first = GetDlgItem(viewDialog, 1);
    SetFocus(first);
    MSG tab = {first, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(routeDialogMessage(tab));
    EXPECT_EQ(GetFocus(), GetDlgItem(viewDialog, 2));

    static int filtered;
    filtered = 0;
    setParameterPageFilter([](MSG& message) {
        ++filtered;
        return message.wParam == VK_TAB;
    });
    SetFocus(first);
    EXPECT_TRUE(routeDialogMessage(tab));
    EXPECT_EQ(GetFocus(), first); // the filter took it
    EXPECT_EQ(filtered, 1);
    setParameterPageFilter(nullptr);
}

// Keys pressed in the File view as a user presses them. Enter and Escape would become the
// dialog manager's IDOK and IDCANCEL, the identifiers of the first two commands.
TEST_F(ShellTest, KeysInTheFileViewStartOnlyTheFocusedButton) {
    test::ScriptedQuestions script;
    start();
    chooseView(1);
    ASSERT_TRUE(SetForegroundWindow(mainWindow));
    HWND description = GetDlgItem(viewDialog, 103);
    test::mouseClick(description);
    // A key that the dialog manager passes on makes the edit send later ones to its dialog.
    test::pressKey(VK_DOWN);
    test::pressKey(VK_ESCAPE);
    test::pressKey(VK_RETURN);
    EXPECT_TRUE(script.asked().empty()) << script.last().caption;
    EXPECT_EQ(GetFocus(), description);

    // Pressed with the mouse but released beside it, the button has the focus without being
    // the dialog's default button. After its command's dialog the focus is back on it.
    HWND saveAs = GetDlgItem(viewDialog, 3);
    test::mouseClick(saveAs, description);
    std::string title;
    test::onNextDialog([&title](HWND dialog) {
        title = test::windowText(dialog);
        test::click(GetDlgItem(dialog, 26));
    });
    test::pressKey(VK_RETURN);
    EXPECT_EQ(title, "Save Current Project As...");
    EXPECT_EQ(GetFocus(), saveAs);
    test::pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(viewDialog, 4));
}

} // namespace
} // namespace zim
