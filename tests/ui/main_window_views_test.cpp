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

TEST_F(ShellTest, MenuHasTheThreeViewsWithTheShownOneGreyed) {
    start();
    HMENU menu = GetMenu(mainWindow);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const char* names[] = {"File", "Edit", "About"};
    for (int i = 0; i < 3; ++i) {
        char text[32] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, names[i]);
        EXPECT_EQ(GetMenuItemID(menu, i), static_cast<UINT>(1001 + i));
        EXPECT_EQ(GetSubMenu(menu, i), nullptr); // plain commands, no pop-ups
    }
    EXPECT_FALSE(greyed(1001));
    EXPECT_FALSE(greyed(1002));
    EXPECT_TRUE(greyed(1003));
}

TEST_F(ShellTest, SwitchingViewsRebuildsTheViewDialog) {
    start();
    HWND aboutDialog = viewDialog;
    HWND aboutPicture = FindWindowExA(aboutDialog, nullptr, "Static", "ABOUT");
    ASSERT_NE(aboutPicture, nullptr);

    chooseView(1);
    EXPECT_EQ(currentView, 1);
    EXPECT_EQ(previousView, 3);
    EXPECT_TRUE(greyed(1001));
    EXPECT_FALSE(greyed(1002));
    EXPECT_FALSE(greyed(1003));
    EXPECT_FALSE(IsWindow(aboutDialog));
    ASSERT_NE(viewDialog, nullptr);
    HWND fileDialog = viewDialog;
    EXPECT_EQ(viewStyle() & 0x500000C4u, 0x500000C4u);
    EXPECT_NE(test::findChildByText(viewDialog, "Create New Project"), nullptr);

    chooseView(2);
    EXPECT_EQ(currentView, 2);
    EXPECT_EQ(previousView, 1);
    EXPECT_FALSE(greyed(1001));
    EXPECT_TRUE(greyed(1002));
    EXPECT_FALSE(IsWindow(fileDialog));
    HWND editDialog = viewDialog;
    EXPECT_EQ(viewStyle() & 0x500000C4u, 0x50000044u); // no modal frame in the Edit view
    EXPECT_NE(FindWindowExA(viewDialog, nullptr, "WizardDescriptionWindowClass", nullptr), nullptr);
    EXPECT_EQ(test::findChildByText(viewDialog, "Create New Project"), nullptr);

    // The shown view's item does nothing.
    chooseView(2);
    EXPECT_EQ(viewDialog, editDialog);
    EXPECT_EQ(previousView, 1);

    chooseView(3);
    EXPECT_EQ(currentView, 3);
    EXPECT_TRUE(greyed(1003));
    EXPECT_FALSE(greyed(1002));
    EXPECT_FALSE(IsWindow(editDialog));
    HWND picture = FindWindowExA(viewDialog, nullptr, "Static", "ABOUT");
    ASSERT_NE(picture, nullptr);
    EXPECT_NE(picture, aboutPicture);
    EXPECT_FALSE(IsWindow(aboutPicture));
    EXPECT_EQ(viewStyle() & 0x500000C4u, 0x500000C4u);
}

// Keyboard input reaches the parameter page's filter first, then the view dialog: Tab moves
// between the File view's buttons, while Escape and Enter outside a button are left alone.
TEST_F(ShellTest, KeyboardGoesToThePageFilterThenToTheViewDialog) {
    start();
    chooseView(1);
    HWND first = GetDlgItem(viewDialog, 1);
    HWND second = GetDlgItem(viewDialog, 2);
    SetFocus(first);
    ASSERT_EQ(GetFocus(), first);

    MSG tab = {first, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(routeDialogMessage(tab));
    EXPECT_EQ(GetFocus(), second);

    MSG escape = {second, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_FALSE(routeDialogMessage(escape));
    HWND tree = GetDlgItem(viewDialog, 101);
    SetFocus(tree);
    MSG enter = {tree, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_FALSE(routeDialogMessage(enter));

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
