#include "shell/dialog_runner.h"

#include <gtest/gtest.h>

#include <colordlg.h>
#include <commdlg.h>
#include <dlgs.h>

#include "shell/user_questions.h"
#include "ui_harness.h"

namespace zim {
namespace {

DialogFrame testFrame(const std::string& caption) {
    return {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME,
            0,
            10,
            20,
            200,
            100,
            caption,
            "Arial",
            9};
}

INT_PTR CALLBACK endWithButtons(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 10, 10, 60, 25, dialog,
                        reinterpret_cast<HMENU>(25), nullptr, nullptr);
        CreateWindowExA(0, "BUTTON", "Cancel", WS_CHILD | WS_VISIBLE, 80, 10, 60, 25, dialog,
                        reinterpret_cast<HMENU>(26), nullptr, nullptr);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == 25 || LOWORD(wParam) == 26) {
            EndDialog(dialog, LOWORD(wParam) == 25 ? 1 : 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// The dialog is built from its frame (a caption in the ANSI code page) and returns what its
// procedure ends it with.
TEST(DialogRunner, ModalDialogReturnsWhatItsProcedureEndsWith) {
    for (int button : {25, 26}) {
        test::onNextDialog([button](HWND dialog) {
            EXPECT_EQ(test::windowText(dialog), "Caption \xE9");
            test::click(test::findChild(dialog, button));
        });
        EXPECT_EQ(runModalDialog(GetModuleHandleA(nullptr), nullptr, testFrame("Caption \xE9"),
                                 endWithButtons, 0),
                  button == 25 ? 1 : 0);
    }
}

TEST(DialogRunner, ModelessDialogIsShownWithOrWithoutAnimation) {
    for (DWORD animation : {0u, 50u}) {
        HWND dialog = createModelessDialog(GetModuleHandleA(nullptr), nullptr,
                                           testFrame("Modeless"), endWithButtons, 0, animation);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(IsWindowVisible(dialog)) << animation;
        EXPECT_NE(test::findChild(dialog, 25), nullptr);
        DestroyWindow(dialog);
    }
}

// A chosen file is handed back with success 1; a cancel gives 0.
TEST(Pickers, FilePickersGoThroughTheSeam) {
    test::ScriptedQuestions script;
    script.planFile("C:\\x.bmp");
    std::string path;
    int success = 0;
    openFileDialog(nullptr, nullptr, "", "BMP-files (*.bmp)|*.bmp||", path, success);
    EXPECT_EQ(success, 1);
    EXPECT_EQ(path, "C:\\x.bmp");
    saveFileDialog(nullptr, nullptr, "", "x|*.x||", path, success);
    EXPECT_EQ(success, 0);
}

// The real pickers behind the seam, driven and cancelled: each shows what it was given (the
// starting colour; the title, filter and current directory), and a cancel chooses nothing and
// leaves the caller's inputs as they were.
TEST(Pickers, TheSystemDialogsShowWhatTheyWereGivenAndCancelChoosesNothing) {
    UINT red = 0, green = 0, blue = 0;
    test::onNextDialog([&](HWND dialog) {
        red = GetDlgItemInt(dialog, COLOR_RED, nullptr, FALSE);
        green = GetDlgItemInt(dialog, COLOR_GREEN, nullptr, FALSE);
        blue = GetDlgItemInt(dialog, COLOR_BLUE, nullptr, FALSE);
        test::click(GetDlgItem(dialog, IDCANCEL));
    });
    EXPECT_EQ(chooseColour(nullptr, RGB(10, 20, 30)), -1);
    EXPECT_EQ(RGB(red, green, blue), RGB(10, 20, 30));

    char title[64] = {}, filter[64] = {}, folder[MAX_PATH] = {}, directory[MAX_PATH] = {};
    test::onNextDialog([&](HWND dialog) {
        GetWindowTextA(dialog, title, sizeof title);
        SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
        SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
        test::click(GetDlgItem(dialog, IDCANCEL));
    });
    std::string path = "unchanged.bmp";
    int success = 7;
    openFileDialog(GetModuleHandleA(nullptr), nullptr, "Choose an image",
                   "BMP-files (*.bmp)|*.bmp||", path, success);
    EXPECT_TRUE(test::dialogActionsDone());
    EXPECT_STREQ(title, "Choose an image");
    EXPECT_STREQ(filter, "BMP-files (*.bmp)");
    GetCurrentDirectoryA(MAX_PATH, directory);
    EXPECT_STREQ(folder, directory);
    EXPECT_EQ(success, 0);
    EXPECT_EQ(path, "unchanged.bmp");
}

} // namespace
} // namespace zim
