// The seven selection dialogs, run for real and driven from inside their own modal loops; the
// rules behind them (preselection, refusals, sizes) are checked natively.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/default_project.h"
#include "model/project.h"
#include "model/text_field.h"
#include "shell/description_prompt.h"
#include "shell/rectangle_size_dialog.h"
#include "shell/selection_state.h"
#include "shell/shell_state.h"
#include "shell/standard_cursor_dialog.h"
#include "shell/standard_icon_dialog.h"
#include "shell/stock_brush_dialog.h"
#include "shell/system_colour_dialog.h"
#include "ui_harness.h"

namespace zim {
namespace {

using RunDialog = std::function<int(HWND)>;

// Runs a dialog, does `act` on it from inside its own loop and checks the dialog's result.
// The dialog is also shown at once (its loop shows it when it first runs idle), so that a
// dialog that ended, and so is hidden, can be told from one still open.
void drive(int expected, const RunDialog& run, std::function<void(HWND)> act) {
    test::onNextDialog([act](HWND dialog) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        act(dialog);
    });
    EXPECT_EQ(run(nullptr), expected);
}

// The child with this identifier: 25 accepts, 26 cancels, 33 is the list.
HWND control(HWND dialog, int id, const char* className = "Button") {
    return test::findChild(dialog, id, className);
}
HWND listOf(HWND dialog) {
    return control(dialog, 33, "ListBox");
}
HWND comboOf(HWND dialog) {
    return control(dialog, 33, "ComboBoxEx32");
}

// A key pressed in `target`, handled as the dialog's own loop handles it.
void pressKey(HWND dialog, HWND target, WPARAM key) {
    MSG msg{target, WM_KEYDOWN, key, 1, GetTickCount(), {}};
    if (!IsDialogMessageA(dialog, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A double click on the item, as the mouse gives it.
void doubleClickListItem(HWND list, int index) {
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
}

// The text and the image index of a combo box item.
std::pair<std::string, int> comboItem(HWND combo, int index) {
    char text[128] = {};
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return {text, item.iImage};
}

class SelectionDialogs : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
        InitCommonControlsEx(&classes);
        if (!fontControl)
            createSharedResources();
    }

    void SetUp() override {
        screenWidth = 1024;
        screenHeight = 768;
        backdropWindow = nullptr;
        boundingRectShown = 0;
    }

    // The dialog refused with this message, stayed open and gave the focus to `field`.
    void expectRefusal(HWND dialog, HWND field, const std::string& text,
                       const std::string& caption) {
        ASSERT_EQ(script.asked().size(), 1u);
        EXPECT_EQ(script.last().text, text);
        EXPECT_EQ(script.last().caption, caption);
        EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_ICONHAND | MB_TASKMODAL));
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(GetFocus(), field);
        script.clear();
    }

    test::ScriptedQuestions script;
};

// Each prompt requires a description: no Cancel, no close box, Esc does not leave. "OK" or
// Enter writes it, cut to 249 characters, into the new control of its own kind.
TEST_F(SelectionDialogs, DescriptionPromptsRequireADescriptionForTheNewControl) {
    buildDefaultProject();
    currentWindow = 1;
    selectedButton = selectedStatic = 2;
    const struct {
        NewControlKind kind;
        const char* caption;
        std::string text;
        WPARAM key; // 0: the "OK" button
    } prompts[] = {
        {NewControlKind::button, "Add New Button Now...", "Starts the calculation", 0},
        {NewControlKind::staticControl, "Add New Static Control Now...",
         std::string(249, 'a') + "bcdef", VK_RETURN},
    };
    for (const auto& p : prompts) {
        drive(
            1, [&](HWND owner) { return runDescriptionPrompt(owner, p.kind); },
            [&](HWND dialog) {
                EXPECT_EQ(test::windowText(dialog), p.caption);
                EXPECT_EQ(test::findChild(dialog, 26), nullptr);
                EXPECT_FALSE(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU);
                HWND ok = control(dialog, 25);
                HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
                SetWindowTextA(edit, "    ");
                SetFocus(ok);
                test::click(ok);
                expectRefusal(dialog, edit,
                              "Sorry, but you forgot to enter description. Try again, please...",
                              "Enter description, please ...");
                pressKey(dialog, edit, VK_ESCAPE);
                EXPECT_TRUE(IsWindowVisible(dialog));
                SetWindowTextA(edit, p.text.c_str());
                if (p.key)
                    pressKey(dialog, edit, p.key);
                else
                    test::click(ok);
            });
    }
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(trimmed(button(1, 2).description), "Starts the calculation");
    EXPECT_EQ(trimmed(staticControl(1, 2).description), std::string(249, 'a'));
}

// The list shows the system colours with the background's one preselected; "Select" and a
// double click choose, "Cancel" and Esc change nothing.
TEST_F(SelectionDialogs, SystemColourListPreselectsAndChooses) {
    pendingBackgroundKind = 2;
    pendingBackgroundValue = 7;
    drive(0, runSystemColourDialog, [](HWND dialog) {
        EXPECT_EQ(test::windowText(dialog), "Select new background color");
        HWND list = listOf(dialog);
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 19);
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 6);
        EXPECT_EQ(GetFocus(), list);
        SendMessageA(list, LB_SETCURSEL, 1, 0);
        test::click(control(dialog, 26));
    });
    EXPECT_EQ(pendingBackgroundValue, 7);
    pendingBackgroundKind = 1; // a colour
    drive(1, runSystemColourDialog, [](HWND dialog) {
        SendMessageA(listOf(dialog), LB_SETCURSEL, 1, 0);
        test::click(control(dialog, 25));
    });
    EXPECT_EQ(pendingBackgroundKind, 2);
    EXPECT_EQ(pendingBackgroundValue, 2);
    drive(1, runSystemColourDialog, [](HWND dialog) { doubleClickListItem(listOf(dialog), 2); });
    EXPECT_EQ(pendingBackgroundValue, 3);
    drive(0, runSystemColourDialog, [](HWND dialog) {
        SendMessageA(listOf(dialog), LB_SETCURSEL, 0, 0);
        pressKey(dialog, listOf(dialog), VK_ESCAPE);
    });
    EXPECT_EQ(pendingBackgroundValue, 3);
    EXPECT_TRUE(script.asked().empty());
}

// "Select", a double click and Enter each refuse the NULL_BRUSH, and the dialog stays; another
// brush is chosen.
TEST_F(SelectionDialogs, StockBrushListRefusesTheNullBrush) {
    pendingBackgroundKind = 1;
    const std::function<void(HWND, HWND)> tries[] = {
        [](HWND dialog, HWND) { test::click(control(dialog, 25)); },
        [](HWND, HWND list) { doubleClickListItem(list, 4); },
        [](HWND dialog, HWND list) { pressKey(dialog, list, VK_RETURN); },
    };
    drive(1, runStockBrushDialog, [&](HWND dialog) {
        HWND list = listOf(dialog);
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 6);
        SendMessageA(list, LB_SETCURSEL, 4, 0);
        for (const auto& attempt : tries) {
            SetFocus(control(dialog, 25));
            attempt(dialog, list);
            expectRefusal(dialog, list, "You can't select the NULL_BRUSH for background...",
                          "Error");
        }
        EXPECT_EQ(pendingBackgroundKind, 1);
        SendMessageA(list, LB_SETCURSEL, 5, 0);
        test::click(control(dialog, 25));
    });
    EXPECT_EQ(pendingBackgroundKind, 3);
    EXPECT_EQ(pendingBackgroundValue, 6);
}

// Each item shows its name and its own image; "Select" and Enter choose, "Cancel" changes
// nothing. The icon dialog works on the small icon when that is the target.
TEST_F(SelectionDialogs, StandardImageListsShowTheSystemImagesAndChoose) {
    const struct {
        RunDialog run;
        const char* caption;
        int count;
        const char* last;
        int32_t& chosen;
    } lists[] = {
        {runStandardCursorDialog, "Select new standard cursor", 13, "IDC_WAIT", pendingCursor},
        {runStandardIconDialog, "Select new standard icon", 6, "IDI_WINLOGO", pendingIcon},
    };
    iconTarget = 0;
    for (const auto& l : lists) {
        l.chosen = 3;
        drive(1, l.run, [&](HWND dialog) {
            EXPECT_EQ(test::windowText(dialog), l.caption);
            HWND combo = comboOf(dialog);
            auto images =
                reinterpret_cast<HIMAGELIST>(SendMessageA(combo, CBEM_GETIMAGELIST, 0, 0));
            EXPECT_EQ(ImageList_GetImageCount(images), l.count);
            ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), l.count);
            for (int k = 0; k < l.count; ++k)
                EXPECT_EQ(comboItem(combo, k).second, k);
            EXPECT_EQ(comboItem(combo, l.count - 1).first, l.last);
            EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
            SendMessageA(combo, CB_SETCURSEL, 5, 0);
            test::click(control(dialog, 25));
        });
        EXPECT_EQ(l.chosen, 6);
        drive(1, l.run, [](HWND dialog) {
            SendMessageA(comboOf(dialog), CB_SETCURSEL, 3, 0);
            pressKey(dialog, comboOf(dialog), VK_RETURN);
        });
        EXPECT_EQ(l.chosen, 4);
        drive(0, l.run, [](HWND dialog) { test::click(control(dialog, 26)); });
        EXPECT_EQ(l.chosen, 4);
    }
    iconTarget = 1;
    pendingSmallIcon = 2;
    drive(1, runStandardIconDialog, [](HWND dialog) {
        EXPECT_EQ(SendMessageA(comboOf(dialog), CB_GETCURSEL, 0, 0), 1);
        SendMessageA(comboOf(dialog), CB_SETCURSEL, 0, 0);
        test::click(control(dialog, 25));
    });
    EXPECT_EQ(pendingSmallIcon, 1);
    EXPECT_EQ(pendingIcon, 4);
    EXPECT_TRUE(script.asked().empty());
}

int backdropPaints = 0;

// Counts the paints of the whole backdrop, not of a part that a closed dialog uncovered.
LRESULT CALLBACK countPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT ps;
    RECT client;
    BeginPaint(window, &ps);
    GetClientRect(window, &client);
    backdropPaints += EqualRect(&ps.rcPaint, &client);
    EndPaint(window, &ps);
    return 0;
}

std::vector<LONG> corners(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// A size beyond the screen is refused with the focus on its field; a valid one is centred in
// the backdrop, which is drawn again; Esc keeps everything.
TEST_F(SelectionDialogs, RectangleSizeIsCentredInTheBackdrop) {
    WNDCLASSA backdropClass{};
    backdropClass.lpfnWndProc = countPaints;
    backdropClass.hInstance = GetModuleHandleA(nullptr);
    backdropClass.lpszClassName = "SelectionTestBackdrop";
    RegisterClassA(&backdropClass);
    backdropWindow =
        CreateWindowExA(0, "SelectionTestBackdrop", "", WS_POPUP | WS_VISIBLE, 0, 0, 1001, 701,
                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(backdropWindow, nullptr);
    test::pumpMessages();
    const int paintsBefore = backdropPaints;

    drive(1, runRectangleSizeDialog, [&](HWND dialog) {
        EXPECT_EQ(test::windowText(dialog), "Select bounding rectangle");
        HWND width = GetNextDlgTabItem(dialog, nullptr, FALSE);
        HWND height = GetNextDlgTabItem(dialog, width, FALSE);
        EXPECT_EQ(test::windowText(width), "800");
        EXPECT_EQ(test::windowText(height), "600");
        EXPECT_EQ(GetFocus(), width);
        for (HWND field : {width, height}) {
            SetWindowTextA(width, field == width ? "1025" : "1024");
            SetWindowTextA(height, field == width ? "768" : "769");
            SetFocus(control(dialog, 25));
            test::click(control(dialog, 25));
            ASSERT_EQ(script.asked().size(), 1u);
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(GetFocus(), field);
            script.clear();
        }
        SetWindowTextA(width, "800");
        SetWindowTextA(height, "601");
        pressKey(dialog, height, VK_RETURN);
    });
    drive(0, runRectangleSizeDialog, [](HWND dialog) {
        SetWindowTextA(GetNextDlgTabItem(dialog, nullptr, FALSE), "300");
        pressKey(dialog, GetFocus(), VK_ESCAPE);
    });
    EXPECT_EQ(boundingRectShown, 1);
    EXPECT_EQ(corners(boundingRect), (std::vector<LONG>{0, 0, 800, 601}));
    EXPECT_EQ(corners(boundingRectOnScreen), (std::vector<LONG>{100, 50, 900, 651}));
    EXPECT_TRUE(test::pumpUntil([&] { return backdropPaints > paintsBefore; }));

    // Without a backdrop the screen stands for its client area, and its own size fits.
    DestroyWindow(backdropWindow);
    backdropWindow = nullptr;
    drive(1, runRectangleSizeDialog, [](HWND dialog) {
        SetWindowTextA(GetNextDlgTabItem(dialog, nullptr, FALSE), "1024");
        SetWindowTextA(GetNextDlgTabItem(dialog, GetFocus(), FALSE), "768");
        test::click(control(dialog, 25));
    });
    EXPECT_EQ(corners(boundingRectOnScreen), (std::vector<LONG>{0, 0, 1024, 768}));
}

} // namespace
} // namespace zim
