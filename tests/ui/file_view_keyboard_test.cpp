// Keys pressed in the File view as a user presses them: real input through the program's own
// message routing. The view's commands 1 and 2 share their identifiers with the dialog
// manager's IDOK and IDCANCEL, which Enter and Escape would otherwise become.
#include <gtest/gtest.h>

#include "shell_test_fixture.h"

namespace zim::test {
namespace {

class FileViewKeyboard : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        start();
        chooseView(1);
        ASSERT_TRUE(SetForegroundWindow(mainWindow));
    }

    static HWND control(int id) { return GetDlgItem(viewDialog, id); }
};

TEST_F(FileViewKeyboard, EscapeAndEnterInTheDescriptionStartNothing) {
    ScriptedQuestions script;
    HWND description = control(103);
    mouseClick(description);
    ASSERT_EQ(GetFocus(), description);
    pressKey(VK_DOWN); // reading on: the description now takes keys as a dialog's control does
    pressKey(VK_ESCAPE);
    pressKey(VK_RETURN);
    EXPECT_TRUE(script.asked().empty()) << script.last().text << " / " << script.last().caption;
    EXPECT_EQ(GetFocus(), description);

    // Tab still moves on, past the last control back to the first.
    pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), control(1));
}

// A button pressed with the mouse but released beside it has the focus without being the
// dialog's default button; Enter presses that button all the same. After its command's dialog
// the focus is back on it, so the keyboard goes on where it was.
TEST_F(FileViewKeyboard, EnterPressesTheFocusedButtonAndOnlyThatOne) {
    ScriptedQuestions script;
    HWND saveAs = control(3);
    mouseClick(saveAs, control(103));
    ASSERT_EQ(GetFocus(), saveAs);
    EXPECT_TRUE(script.asked().empty()) << "released beside the button: no click";

    std::string dialogTitle;
    onNextDialog([&dialogTitle](HWND dialog) {
        dialogTitle = windowText(dialog);
        click(GetDlgItem(dialog, 26)); // Cancel
    });
    pressKey(VK_RETURN);
    EXPECT_TRUE(dialogActionsDone());
    EXPECT_EQ(dialogTitle, "Save Current Project As...");
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().caption, "Save Current Project...");

    EXPECT_EQ(GetFocus(), saveAs);
    pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), control(4));
    pressKey(VK_ESCAPE);
    EXPECT_EQ(script.asked().size(), 1u);
}

} // namespace
} // namespace zim::test
