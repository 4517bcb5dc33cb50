// The seven selection dialogs, run for real and driven from inside their own modal loops.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
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

constexpr UINT stopFlags = MB_ICONHAND | MB_TASKMODAL;

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

RECT screenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The edit on the same row as the label with this text, as a user finds it.
HWND fieldBeside(HWND dialog, const std::string& label) {
    HWND labelWindow = test::findChildByText(dialog, label);
    for (HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr); labelWindow && edit;
         edit = FindWindowExA(dialog, edit, "Edit", nullptr))
        if (screenRect(edit).top == screenRect(labelWindow).top)
            return edit;
    return nullptr;
}

// A key pressed in `target`, handled as the dialog's own loop handles it.
void pressKey(HWND dialog, HWND target, WPARAM key) {
    MSG msg{target, WM_KEYDOWN, key, 1, GetTickCount(), {}};
    if (!IsDialogMessageA(dialog, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::string listItem(HWND list, int index) {
    char text[128] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

// A double click on the item, as the mouse gives it.
void doubleClickListItem(HWND list, int index) {
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        SendMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
}

struct ComboItem {
    std::string text;
    int image;
};

ComboItem comboItem(HWND combo, int index) {
    char text[128] = {};
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE;
    item.iItem = index;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return {text, item.iImage};
}

// Where a 32 x 32 drawing on white is dark enough to belong to the figure, not to a light
// shadow or a blended edge.
std::vector<bool> silhouette(const std::function<void(HDC)>& draw) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 32, 32};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    draw(dc);
    std::vector<bool> shape;
    for (int p = 0; p < 32 * 32; ++p) {
        const COLORREF c = GetPixel(dc, p % 32, p / 32);
        shape.push_back(GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 170);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return shape;
}

// Item by item, the combo box shows the image of the expected system cursor or icon: the one
// whose silhouette it shares most (the list may draw with fewer colours and no shadows).
void expectSystemImages(HWND combo, bool cursors) {
    std::vector<HICON> expected;
    for (const char* id :
         cursors
             ? std::vector<const char*>{IDC_APPSTARTING, IDC_ARROW, IDC_CROSS, IDC_HELP, IDC_IBEAM,
                                        IDC_NO, IDC_SIZEALL, IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE,
                                        IDC_SIZEWE, IDC_UPARROW, IDC_WAIT}
             : std::vector<const char*>{IDI_APPLICATION, IDI_ASTERISK, IDI_EXCLAMATION, IDI_HAND,
                                        IDI_QUESTION, IDI_WINLOGO})
        expected.push_back(cursors ? LoadCursorA(nullptr, id) : LoadIconA(nullptr, id));
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(combo, CBEM_GETIMAGELIST, 0, 0));
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
    for (int k = 0; k < static_cast<int>(expected.size()); ++k) {
        const std::vector<bool> shown = silhouette(
            [&](HDC dc) { ImageList_Draw(images, comboItem(combo, k).image, dc, 0, 0, 0); });
        std::vector<double> shares;
        for (HICON icon : expected) {
            const std::vector<bool> drawn = silhouette(
                [&](HDC dc) { DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL); });
            int both = 0, either = 0;
            for (std::size_t p = 0; p < shown.size(); ++p) {
                both += shown[p] && drawn[p];
                either += shown[p] || drawn[p];
            }
            shares.push_back(either ? static_cast<double>(both) / either : 0.0);
        }
        EXPECT_EQ(std::max_element(shares.begin(), shares.end()) - shares.begin(), k) << k;
    }
}

int runButtonPrompt(HWND owner) {
    return runDescriptionPrompt(owner, NewControlKind::button);
}
int runStaticPrompt(HWND owner) {
    return runDescriptionPrompt(owner, NewControlKind::staticControl);
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
                       const std::string& caption) const {
        ASSERT_EQ(script.asked().size(), 1u);
        EXPECT_EQ(script.last().text, text);
        EXPECT_EQ(script.last().caption, caption);
        EXPECT_EQ(script.last().flags, stopFlags);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(GetFocus(), field);
    }

    test::ScriptedQuestions script;
};

// Each prompt requires a description: no Cancel, no close box, Esc does not leave. "OK" or
// Enter writes it, cut to 249 characters, into the new control of its own kind.
TEST_F(SelectionDialogs, DescriptionPromptsRequireADescriptionForTheNewControl) {
    buildDefaultProject();
    currentWindow = 1;
    selectedButton = 2;
    selectedStatic = 2;
    const struct {
        RunDialog run;
        const char* caption;
        std::string text;
        bool enter;
    } prompts[] = {
        {runButtonPrompt, "Add New Button Now...", "Starts the calculation", false},
        {runStaticPrompt, "Add New Static Control Now...", std::string(249, 'a') + "bcdef", true},
    };
    for (const auto& p : prompts) {
        SCOPED_TRACE(p.caption);
        drive(1, p.run, [&](HWND dialog) {
            EXPECT_EQ(test::windowText(dialog), p.caption);
            EXPECT_EQ(test::findChild(dialog, 26), nullptr);
            EXPECT_FALSE(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU);
            HWND ok = control(dialog, 25);
            HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
            EXPECT_EQ(GetFocus(), edit);
            SetWindowTextA(edit, "    ");
            SetFocus(ok);
            test::click(ok);
            expectRefusal(dialog, edit,
                          "Sorry, but you forgot to enter description. Try again, please...",
                          "Enter description, please ...");
            pressKey(dialog, edit, VK_ESCAPE);
            EXPECT_TRUE(IsWindowVisible(dialog));
            SetWindowTextA(edit, p.text.c_str());
            if (p.enter)
                pressKey(dialog, edit, VK_RETURN);
            else
                test::click(ok);
        });
        EXPECT_EQ(script.asked().size(), 1u); // only the refusal
        script.clear();
    }
    EXPECT_EQ(trimmed(button(1, 2).description), "Starts the calculation");
    EXPECT_EQ(trimmed(staticControl(1, 2).description), std::string(249, 'a'));
}

// Each list shows its values and preselects the background's one when it is of the list's
// kind; "Select" and a double click choose, "Cancel" and Esc change nothing.
TEST_F(SelectionDialogs, BackgroundListsPreselectAndChoose) {
    const struct {
        RunDialog run;
        int32_t kind;
        int count;
        const char* last;
    } lists[] = {{runSystemColourDialog, 2, 19, "COLOR_WINDOWTEXT"},
                 {runStockBrushDialog, 3, 6, "WHITE_BRUSH"}};
    for (const auto& l : lists) {
        SCOPED_TRACE(l.last);
        pendingBackgroundKind = l.kind;
        pendingBackgroundValue = 4;
        drive(0, l.run, [&](HWND dialog) {
            EXPECT_EQ(test::windowText(dialog), "Select new background color");
            HWND list = listOf(dialog);
            EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), l.count);
            EXPECT_EQ(listItem(list, l.count - 1), l.last);
            EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 3);
            EXPECT_EQ(GetFocus(), list);
            SendMessageA(list, LB_SETCURSEL, 1, 0);
            test::click(control(dialog, 26));
        });
        EXPECT_EQ(pendingBackgroundValue, 4);
        pendingBackgroundKind = 1; // a colour
        drive(1, l.run, [](HWND dialog) {
            SendMessageA(listOf(dialog), LB_SETCURSEL, 1, 0);
            test::click(control(dialog, 25));
        });
        EXPECT_EQ(pendingBackgroundKind, l.kind);
        EXPECT_EQ(pendingBackgroundValue, 2);
        drive(1, l.run, [](HWND dialog) { doubleClickListItem(listOf(dialog), 2); });
        EXPECT_EQ(pendingBackgroundValue, 3);
        drive(0, l.run, [](HWND dialog) {
            SendMessageA(listOf(dialog), LB_SETCURSEL, 0, 0);
            pressKey(dialog, listOf(dialog), VK_ESCAPE);
        });
        EXPECT_EQ(pendingBackgroundValue, 3);
    }
    EXPECT_TRUE(script.asked().empty());
}

// "Select", a double click and Enter each refuse the NULL_BRUSH, and the dialog stays.
TEST_F(SelectionDialogs, StockBrushListRefusesTheNullBrush) {
    pendingBackgroundKind = 1;
    pendingBackgroundValue = 0x123456;
    const std::function<void(HWND, HWND)> tries[] = {
        [](HWND dialog, HWND) { test::click(control(dialog, 25)); },
        [](HWND, HWND list) { doubleClickListItem(list, 4); },
        [](HWND dialog, HWND list) { pressKey(dialog, list, VK_RETURN); },
    };
    drive(1, runStockBrushDialog, [&](HWND dialog) {
        HWND list = listOf(dialog);
        SendMessageA(list, LB_SETCURSEL, 4, 0);
        for (const auto& attempt : tries) {
            SetFocus(control(dialog, 25));
            attempt(dialog, list);
            expectRefusal(dialog, list, "You can't select the NULL_BRUSH for background...",
                          "Error");
            script.clear();
        }
        EXPECT_EQ(pendingBackgroundKind, 1);
        SendMessageA(list, LB_SETCURSEL, 5, 0);
        test::click(control(dialog, 25));
    });
    EXPECT_EQ(pendingBackgroundKind, 3);
    EXPECT_EQ(pendingBackgroundValue, 6);
}

// Each item shows its name and its system image; "Select" and Enter choose, "Cancel" changes
// nothing. The icon dialog works on the small icon when that is the target.
TEST_F(SelectionDialogs, StandardImageListsShowTheSystemImagesAndChoose) {
    const struct {
        RunDialog run;
        const char* caption;
        bool cursors;
        const char* last;
        int32_t& chosen;
    } lists[] = {
        {runStandardCursorDialog, "Select new standard cursor", true, "IDC_WAIT", pendingCursor},
        {runStandardIconDialog, "Select new standard icon", false, "IDI_WINLOGO", pendingIcon},
    };
    iconTarget = 0;
    for (const auto& l : lists) {
        SCOPED_TRACE(l.caption);
        l.chosen = 3;
        drive(1, l.run, [&](HWND dialog) {
            EXPECT_EQ(test::windowText(dialog), l.caption);
            HWND combo = comboOf(dialog);
            ASSERT_NE(combo, nullptr);
            expectSystemImages(combo, l.cursors);
            const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
            EXPECT_EQ(comboItem(combo, count - 1).text, l.last);
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

// --- Bounding rectangle ---

struct RectangleFields {
    HWND width;
    HWND height;
    HWND ok;
};

RectangleFields rectangleFields(HWND dialog) {
    return {fieldBeside(dialog, " Bounding Rectangle Width ="),
            fieldBeside(dialog, " Bounding Rectangle Height ="), control(dialog, 25)};
}

void expectRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}),
              (std::vector<LONG>{left, top, right, bottom}));
}

// A refused size keeps the dialog open with the focus on the field at fault; the screen's own
// size is accepted, and without a backdrop the screen stands for its client area.
TEST_F(SelectionDialogs, RectangleSizeAcceptsUpToTheScreen) {
    drive(1, runRectangleSizeDialog, [&](HWND dialog) {
        EXPECT_EQ(test::windowText(dialog), "Select bounding rectangle");
        const RectangleFields f = rectangleFields(dialog);
        ASSERT_NE(f.width, nullptr);
        ASSERT_NE(f.height, nullptr);
        EXPECT_EQ(test::windowText(f.width), "800");
        EXPECT_EQ(test::windowText(f.height), "600");
        EXPECT_EQ(GetFocus(), f.width);
        pressKey(dialog, f.width, VK_TAB);
        EXPECT_EQ(GetFocus(), f.height);
        for (const auto& [width, field] :
             {std::pair{"1025", f.width}, std::pair{"1024", f.height}}) {
            SetWindowTextA(f.width, width);
            SetWindowTextA(f.height, field == f.width ? "768" : "769");
            SetFocus(f.ok);
            test::click(f.ok);
            ASSERT_EQ(script.asked().size(), 1u);
            EXPECT_EQ(script.last().caption, "Error");
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(GetFocus(), field);
            EXPECT_EQ(boundingRectShown, 0);
            script.clear();
        }
        SetWindowTextA(f.height, "768");
        pressKey(dialog, f.height, VK_RETURN);
    });
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(boundingRectShown, 1);
    expectRect(boundingRect, 0, 0, 1024, 768);
    expectRect(boundingRectOnScreen, 0, 0, 1024, 768);
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

// The rectangle is centred in the backdrop, which is drawn again; Esc keeps everything.
TEST_F(SelectionDialogs, RectangleSizeCentresInTheBackdropAndRepaintsIt) {
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

    for (const WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}})
        drive(key == VK_RETURN, runRectangleSizeDialog, [key](HWND dialog) {
            const RectangleFields f = rectangleFields(dialog);
            SetWindowTextA(f.width, key == VK_RETURN ? "800" : "300");
            SetWindowTextA(f.height, "601");
            pressKey(dialog, f.width, key);
        });
    expectRect(boundingRect, 0, 0, 800, 601);
    expectRect(boundingRectOnScreen, 100, 50, 900, 651);
    EXPECT_TRUE(test::pumpUntil([&] { return backdropPaints > paintsBefore; }));
    DestroyWindow(backdropWindow);
    backdropWindow = nullptr;
}

} // namespace
} // namespace zim
