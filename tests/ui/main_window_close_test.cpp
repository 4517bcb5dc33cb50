#include <gtest/gtest.h>

#include "shell_test_fixture.h"

namespace zim {
namespace {

using test::ScriptedQuestions;
using test::ShellTest;

const char* const unsavedQuestion =
    "Your current project was not saved. Would you like to save it before exiting?\r"
    "Select YES, if you want to save project, or select NO to exit program\r"
    "without saving.";

void closeMainWindow() {
    SendMessageA(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool quitPosted() {
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

TEST_F(ShellTest, ClosingASavedProjectAsksNothingAndTheNextTickEndsTheProgram) {
    ScriptedQuestions script;
    HWND main = start();
    closeMainWindow();
    EXPECT_TRUE(script.asked().empty());
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(mainWindow, nullptr);
    EXPECT_EQ(viewDialog, nullptr);

    HWND backdrop = backdropWindow;
    ASSERT_TRUE(IsWindow(backdrop));
    EXPECT_FALSE(quitPosted());
    SendMessageA(backdrop, WM_TIMER, 1, 0);
    EXPECT_FALSE(IsWindow(backdrop));
    EXPECT_TRUE(quitPosted());
}

TEST_F(ShellTest, ClosingAnUnsavedProjectAsksAndYesKeepsTheProgramRunning) {
    ScriptedQuestions script;
    HWND main = start();
    projectUnsaved = 1;

    script.planAnswer(IDYES);
    closeMainWindow();
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, unsavedQuestion);
    EXPECT_EQ(script.last().caption, "Warning");
    EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(mainWindow, main);
    SendMessageA(backdropWindow, WM_TIMER, 1, 0);
    EXPECT_TRUE(IsWindow(backdropWindow));

    script.planAnswer(IDNO);
    closeMainWindow();
    EXPECT_EQ(script.asked().size(), 2u);
    EXPECT_EQ(script.last().text, unsavedQuestion);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(mainWindow, nullptr);
}

// Opening an object in the Edit view marks the project unsaved, so closing afterwards asks.
TEST_F(ShellTest, ClosingAfterTheEditViewOpenedAnObjectAsks) {
    ScriptedQuestions script;
    HWND main = start();
    chooseView(2);
    EXPECT_EQ(projectUnsaved, 1);
    chooseView(1);
    script.planAnswer(IDYES);
    closeMainWindow();
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, unsavedQuestion);
    EXPECT_TRUE(IsWindow(main));
}

// The backdrop's close (Alt+F4 once it is active, or its taskbar button) and the end of the
// session ask the main window's question: YES keeps the program running, NO lets it end.
TEST_F(ShellTest, TheBackdropsCloseAndTheEndOfTheSessionAskAboutUnsavedWork) {
    ScriptedQuestions script;
    HWND main = start();
    HWND backdrop = backdropWindow;
    EXPECT_EQ(SendMessageA(backdrop, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_TRUE(script.asked().empty()) << "nothing to save";

    projectUnsaved = 1;
    script.planAnswer(IDYES);
    EXPECT_EQ(SendMessageA(backdrop, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    script.planAnswer(IDNO);
    EXPECT_EQ(SendMessageA(backdrop, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    ASSERT_EQ(script.asked().size(), 2u);
    EXPECT_EQ(script.asked()[0].text, unsavedQuestion);
    EXPECT_EQ(script.asked()[1].text, unsavedQuestion);
    script.clear();

    ASSERT_TRUE(SetForegroundWindow(backdrop));
    script.planAnswer(IDYES);
    test::pressKey(VK_F4, true);
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, unsavedQuestion);
    EXPECT_EQ(script.last().caption, "Warning");
    EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL));
    EXPECT_TRUE(IsWindow(backdrop));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_FALSE(quitPosted());

    ASSERT_TRUE(SetForegroundWindow(backdrop));
    script.planAnswer(IDNO);
    test::pressKey(VK_F4, true);
    EXPECT_EQ(script.asked().size(), 2u);
    EXPECT_FALSE(IsWindow(backdrop));
    EXPECT_FALSE(IsWindow(main));
    EXPECT_TRUE(quitPosted());
}

} // namespace
} // namespace zim
