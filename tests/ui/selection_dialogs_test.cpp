// The seven selection dialogs, run for real and driven from inside their own modal loops.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
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

constexpr UINT stopFlags = MB_ICONHAND | MB_TASKMODAL;
constexpr INT_PTR stuckDialog = -77;

HWND guardedDialog = nullptr;
UINT_PTR guardTimer = 0;

// Ends a dialog that a failed check left open, so a fault shows as a failure, not a hang.
void CALLBACK endStuckDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    guardTimer = 0;
    if (IsWindow(guardedDialog))
        EndDialog(guardedDialog, stuckDialog);
}

// Also shows the dialog at once (its loop shows it when it first runs idle), so that a dialog
// that ended, and so is hidden, can be told from one still open.
void guard(HWND dialog) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    guardedDialog = dialog;
    guardTimer = SetTimer(nullptr, 0, 4000, endStuckDialog);
}

// Direct children of this class, in creation order.
std::vector<HWND> childrenOfClass(HWND parent, const char* className) {
    struct Search {
        HWND parent;
        const char* className;
        std::vector<HWND> found;
    } search{parent, className, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char name[64] = {};
            GetClassNameA(child, name, sizeof name);
            if (lstrcmpiA(name, s->className) == 0 && GetParent(child) == s->parent)
                s->found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT screenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The edit on the same row as the label with this text, as a user finds it.
HWND fieldBeside(HWND dialog, const std::string& label) {
    HWND labelWindow = test::findChildByText(dialog, label);
    if (!labelWindow)
        return nullptr;
    for (HWND edit : childrenOfClass(dialog, "Edit"))
        if (screenRect(edit).top == screenRect(labelWindow).top)
            return edit;
    return nullptr;
}

void setText(HWND control, const std::string& text) {
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
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

int listSelection(HWND list) {
    return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
}

void selectListItem(HWND list, int index) {
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// A double click on the item, as the mouse gives it.
void doubleClickListItem(HWND list, int index) {
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
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

// Dark enough to belong to the figure, not to a light shadow or a blended edge.
bool isDark(COLORREF colour) {
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 170;
}

// Where a 32 x 32 drawing on white is dark.
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
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            shape.push_back(isDark(GetPixel(dc, x, y)));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return shape;
}

// Shared part of two silhouettes: 1 for the same shape, near 0 for different ones, 0 when
// either is blank.
double overlap(const std::vector<bool>& a, const std::vector<bool>& b) {
    int both = 0, either = 0;
    for (size_t k = 0; k < a.size(); ++k) {
        both += a[k] && b[k];
        either += a[k] || b[k];
    }
    return either ? static_cast<double>(both) / either : 0.0;
}

// Which of the expected cursors or icons image `index` of the list shows: the one whose
// silhouette it shares most (the list may draw with fewer colours and without shadows).
int closestImage(HIMAGELIST images, int index, const std::vector<HICON>& expected) {
    const std::vector<bool> shown =
        silhouette([&](HDC dc) { ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL); });
    int closest = -1;
    double best = 0.0;
    for (size_t k = 0; k < expected.size(); ++k) {
        const double likeness =
            overlap(shown, silhouette([&](HDC dc) {
                        DrawIconEx(dc, 0, 0, expected[k], 32, 32, 0, nullptr, DI_NORMAL);
                    }));
        if (likeness > best) {
            best = likeness;
            closest = static_cast<int>(k);
        }
    }
    return closest;
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

    void TearDown() override {
        if (guardTimer)
            KillTimer(nullptr, guardTimer);
        guardTimer = 0;
        EXPECT_TRUE(test::dialogActionsDone());
    }

    test::ScriptedQuestions script;
};

class SelectionDescriptionPrompt : public SelectionDialogs {};
class SelectionSystemColourDialog : public SelectionDialogs {};
class SelectionStockBrushDialog : public SelectionDialogs {};
class SelectionStandardCursorDialog : public SelectionDialogs {};
class SelectionStandardIconDialog : public SelectionDialogs {};
class SelectionRectangleSizeDialog : public SelectionDialogs {};

// --- Description prompts ---

TEST_F(SelectionDescriptionPrompt, RequiresADescriptionAndWritesTheNewButton) {
    buildDefaultProject();
    currentWindow = 1;
    selectedButton = 2;
    const std::string staticBefore = trimmed(staticControl(1, 1).description);
    test::onNextDialog([&](HWND dialog) {
        guard(dialog);
        EXPECT_EQ(test::windowText(dialog), "Add New Button Now...");
        EXPECT_NE(
            test::findChildByText(dialog, "Enter the description of the button you create now :"),
            nullptr);
        EXPECT_EQ(test::findChild(dialog, 26), nullptr);              // no "Cancel"
        EXPECT_FALSE(GetWindowLongA(dialog, GWL_STYLE) & WS_SYSMENU); // no close box
        HWND ok = test::findChild(dialog, 25, "Button");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(test::windowText(ok), "OK");
        const std::vector<HWND> edits = childrenOfClass(dialog, "Edit");
        ASSERT_EQ(edits.size(), 1u);
        HWND edit = edits[0];
        EXPECT_EQ(GetFocus(), edit);

        for (const char* nothing : {"", "    "}) {
            setText(edit, nothing);
            test::click(ok);
            ASSERT_EQ(script.asked().size(), 1u) << '"' << nothing << '"';
            EXPECT_EQ(script.last().text,
                      "Sorry, but you forgot to enter description. Try again, please...");
            EXPECT_EQ(script.last().caption, "Enter description, please ...");
            EXPECT_EQ(script.last().flags, stopFlags);
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(GetFocus(), edit);
            script.clear();
        }
        // Esc does not leave: a description is required.
        pressKey(dialog, edit, VK_ESCAPE);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_TRUE(script.asked().empty());

        setText(edit, "Starts the calculation");
        test::click(ok);
    });
    EXPECT_EQ(runDescriptionPrompt(nullptr, NewControlKind::button), 1);
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(trimmed(button(1, 2).description), "Starts the calculation");
    EXPECT_EQ(trimmed(staticControl(1, 1).description), staticBefore);
}

TEST_F(SelectionDescriptionPrompt, EnterStoresTheNewStaticControlsDescriptionCutTo249) {
    buildDefaultProject();
    currentWindow = 1;
    selectedStatic = 2;
    selectedButton = 1;
    const std::string buttonBefore = trimmed(button(1, 1).description);
    const std::string longText = std::string(249, 'a') + "bcdef";
    test::onNextDialog([&](HWND dialog) {
        guard(dialog);
        EXPECT_EQ(test::windowText(dialog), "Add New Static Control Now...");
        EXPECT_NE(test::findChildByText(
                      dialog, "Enter the description of the static control you create now :"),
                  nullptr);
        HWND edit = childrenOfClass(dialog, "Edit").at(0);
        setText(edit, longText);
        pressKey(dialog, edit, VK_RETURN);
    });
    EXPECT_EQ(runDescriptionPrompt(nullptr, NewControlKind::staticControl), 1);
    EXPECT_EQ(trimmed(staticControl(1, 2).description), std::string(249, 'a'));
    EXPECT_EQ(trimmed(button(1, 1).description), buttonBefore);
}

// --- System colours and stock brushes ---

struct ListCase {
    int32_t kind;
    int32_t value;
    int expected; // preselected position
};

TEST_F(SelectionSystemColourDialog, PreselectsTheBackgroundsSystemColourElseTheFirst) {
    for (const ListCase c :
         {ListCase{2, 7, 6}, ListCase{2, 19, 18}, ListCase{3, 4, 0}, ListCase{1, 0x00FF00, 0}}) {
        pendingBackgroundKind = c.kind;
        pendingBackgroundValue = c.value;
        test::onNextDialog([&](HWND dialog) {
            guard(dialog);
            EXPECT_EQ(test::windowText(dialog), "Select new background color");
            HWND list = test::findChild(dialog, 33, "ListBox");
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 19);
            EXPECT_EQ(listItem(list, 0), "COLOR_ACTIVEBORDER");
            EXPECT_EQ(listItem(list, 18), "COLOR_WINDOWTEXT");
            EXPECT_EQ(listSelection(list), c.expected) << c.kind << ", " << c.value;
            EXPECT_EQ(GetFocus(), list);
            EXPECT_EQ(test::windowText(test::findChild(dialog, 25, "Button")), "Select");
            test::click(test::findChild(dialog, 26, "Button"));
        });
        EXPECT_EQ(runSystemColourDialog(nullptr), 0);
        EXPECT_EQ(pendingBackgroundKind, c.kind); // "Cancel" changes nothing
        EXPECT_EQ(pendingBackgroundValue, c.value);
    }
}

TEST_F(SelectionSystemColourDialog, SelectDoubleClickAndEscape) {
    pendingBackgroundKind = 3;
    pendingBackgroundValue = 4;
    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        HWND list = test::findChild(dialog, 33, "ListBox");
        selectListItem(list, 4);
        test::click(test::findChild(dialog, 25, "Button"));
    });
    EXPECT_EQ(runSystemColourDialog(nullptr), 1);
    EXPECT_EQ(pendingBackgroundKind, 2);
    EXPECT_EQ(pendingBackgroundValue, 5);

    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        doubleClickListItem(test::findChild(dialog, 33, "ListBox"), 1);
    });
    EXPECT_EQ(runSystemColourDialog(nullptr), 1);
    EXPECT_EQ(pendingBackgroundValue, 2);

    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        HWND list = test::findChild(dialog, 33, "ListBox");
        selectListItem(list, 10);
        pressKey(dialog, list, VK_ESCAPE);
    });
    EXPECT_EQ(runSystemColourDialog(nullptr), 0);
    EXPECT_EQ(pendingBackgroundKind, 2);
    EXPECT_EQ(pendingBackgroundValue, 2);
    EXPECT_TRUE(script.asked().empty());
}

TEST_F(SelectionStockBrushDialog, PreselectsTheBackgroundsStockBrushElseTheFirst) {
    for (const ListCase c : {ListCase{3, 4, 3}, ListCase{3, 6, 5}, ListCase{2, 4, 0}}) {
        pendingBackgroundKind = c.kind;
        pendingBackgroundValue = c.value;
        test::onNextDialog([&](HWND dialog) {
            guard(dialog);
            EXPECT_EQ(test::windowText(dialog), "Select new background color");
            HWND list = test::findChild(dialog, 33, "ListBox");
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 6);
            EXPECT_EQ(listItem(list, 0), "BLACK_BRUSH");
            EXPECT_EQ(listItem(list, 4), "NULL_BRUSH");
            EXPECT_EQ(listItem(list, 5), "WHITE_BRUSH");
            EXPECT_EQ(listSelection(list), c.expected) << c.kind << ", " << c.value;
            pressKey(dialog, list, VK_ESCAPE);
        });
        EXPECT_EQ(runStockBrushDialog(nullptr), 0);
        EXPECT_EQ(pendingBackgroundKind, c.kind);
        EXPECT_EQ(pendingBackgroundValue, c.value);
    }
}

TEST_F(SelectionStockBrushDialog, NullBrushIsRefusedAndTheDialogStays) {
    pendingBackgroundKind = 1;
    pendingBackgroundValue = 0x123456;
    test::onNextDialog([&](HWND dialog) {
        guard(dialog);
        HWND list = test::findChild(dialog, 33, "ListBox");
        HWND select = test::findChild(dialog, 25, "Button");
        selectListItem(list, 4);
        SetFocus(select);
        test::click(select);
        doubleClickListItem(list, 4);
        pressKey(dialog, list, VK_RETURN);
        ASSERT_EQ(script.asked().size(), 3u);
        for (const test::AskedQuestion& q : script.asked()) {
            EXPECT_EQ(q.text, "You can't select the NULL_BRUSH for background...");
            EXPECT_EQ(q.caption, "Error");
            EXPECT_EQ(q.flags, stopFlags);
        }
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(GetFocus(), list);
        EXPECT_EQ(pendingBackgroundKind, 1);

        selectListItem(list, 5);
        test::click(select);
    });
    EXPECT_EQ(runStockBrushDialog(nullptr), 1);
    EXPECT_EQ(pendingBackgroundKind, 3);
    EXPECT_EQ(pendingBackgroundValue, 6);
}

// --- Standard cursors and icons ---

// The combo box shows, item by item, the image of the expected system cursor or icon.
void expectImageList(HWND combo, const std::vector<HICON>& expected) {
    const int count = static_cast<int>(expected.size());
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(combo, CBEM_GETIMAGELIST, 0, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), count);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(cx, 32);
    EXPECT_EQ(cy, 32);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), count);
    for (int k = 0; k < count; ++k) {
        const int image = comboItem(combo, k).image;
        EXPECT_EQ(closestImage(images, image, expected), k) << "item " << k;
    }
}

std::vector<HICON> systemCursors() {
    std::vector<HICON> cursors;
    for (const char* id :
         {IDC_APPSTARTING, IDC_ARROW, IDC_CROSS, IDC_HELP, IDC_IBEAM, IDC_NO, IDC_SIZEALL,
          IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT})
        cursors.push_back(LoadCursorA(nullptr, id));
    return cursors;
}

std::vector<HICON> systemIcons() {
    std::vector<HICON> icons;
    for (const char* id :
         {IDI_APPLICATION, IDI_ASTERISK, IDI_EXCLAMATION, IDI_HAND, IDI_QUESTION, IDI_WINLOGO})
        icons.push_back(LoadIconA(nullptr, id));
    return icons;
}

TEST_F(SelectionStandardCursorDialog, ListsTheSystemCursorsWithImagesAndPreselects) {
    pendingCursor = 5;
    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        EXPECT_EQ(test::windowText(dialog), "Select new standard cursor");
        HWND combo = test::findChild(dialog, 33, "ComboBoxEx32");
        ASSERT_NE(combo, nullptr);
        expectImageList(combo, systemCursors());
        EXPECT_EQ(comboItem(combo, 0).text, "IDC_APPSTARTING");
        EXPECT_EQ(comboItem(combo, 1).text, "IDC_ARROW");
        EXPECT_EQ(comboItem(combo, 12).text, "IDC_WAIT");
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 4);
        SendMessageA(combo, CB_SETCURSEL, 12, 0);
        test::click(test::findChild(dialog, 25, "Button"));
    });
    EXPECT_EQ(runStandardCursorDialog(nullptr), 1);
    EXPECT_EQ(pendingCursor, 13);

    pendingCursor = 0; // outside the list: the first cursor
    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        HWND combo = test::findChild(dialog, 33, "ComboBoxEx32");
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
        SendMessageA(combo, CB_SETCURSEL, 3, 0);
        test::click(test::findChild(dialog, 26, "Button"));
    });
    EXPECT_EQ(runStandardCursorDialog(nullptr), 0);
    EXPECT_EQ(pendingCursor, 0);
}

TEST_F(SelectionStandardIconDialog, WorksOnTheIconOrTheSmallIcon) {
    iconTarget = 0;
    pendingIcon = 3;
    pendingSmallIcon = 2;
    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        EXPECT_EQ(test::windowText(dialog), "Select new standard icon");
        HWND combo = test::findChild(dialog, 33, "ComboBoxEx32");
        ASSERT_NE(combo, nullptr);
        expectImageList(combo, systemIcons());
        EXPECT_EQ(comboItem(combo, 0).text, "IDI_APPLICATION");
        EXPECT_EQ(comboItem(combo, 5).text, "IDI_WINLOGO");
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
        SendMessageA(combo, CB_SETCURSEL, 5, 0);
        test::click(test::findChild(dialog, 25, "Button"));
    });
    EXPECT_EQ(runStandardIconDialog(nullptr), 1);
    EXPECT_EQ(pendingIcon, 6);
    EXPECT_EQ(pendingSmallIcon, 2);

    iconTarget = 1;
    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        HWND combo = test::findChild(dialog, 33, "ComboBoxEx32");
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
        SendMessageA(combo, CB_SETCURSEL, 3, 0);
        pressKey(dialog, combo, VK_RETURN);
    });
    EXPECT_EQ(runStandardIconDialog(nullptr), 1);
    EXPECT_EQ(pendingSmallIcon, 4);
    EXPECT_EQ(pendingIcon, 6);

    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        HWND combo = test::findChild(dialog, 33, "ComboBoxEx32");
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
        test::click(test::findChild(dialog, 26, "Button"));
    });
    EXPECT_EQ(runStandardIconDialog(nullptr), 0);
    EXPECT_EQ(pendingSmallIcon, 4);
    EXPECT_EQ(pendingIcon, 6);
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
            fieldBeside(dialog, " Bounding Rectangle Height ="),
            test::findChild(dialog, 25, "Button")};
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(SelectionRectangleSizeDialog, PresetsFocusTabAndEnter) {
    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        EXPECT_EQ(test::windowText(dialog), "Select bounding rectangle");
        EXPECT_NE(test::findChildByText(dialog, "Define the rectangle width and height"), nullptr);
        const RectangleFields f = rectangleFields(dialog);
        ASSERT_NE(f.width, nullptr);
        ASSERT_NE(f.height, nullptr);
        EXPECT_EQ(test::windowText(f.width), "800");
        EXPECT_EQ(test::windowText(f.height), "600");
        EXPECT_TRUE(GetWindowLongA(f.width, GWL_STYLE) & ES_NUMBER);
        EXPECT_EQ(test::windowText(f.ok), "OK");
        EXPECT_EQ(test::windowText(test::findChild(dialog, 26, "Button")), "Cancel");
        EXPECT_EQ(GetFocus(), f.width);
        pressKey(dialog, f.width, VK_TAB);
        EXPECT_EQ(GetFocus(), f.height);
        pressKey(dialog, f.height, VK_RETURN);
    });
    EXPECT_EQ(runRectangleSizeDialog(nullptr), 1);
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(boundingRectShown, 1);
    EXPECT_TRUE(sameRect(boundingRect, RECT{0, 0, 800, 600}));
    // Without a backdrop the screen stands for its client area.
    EXPECT_TRUE(sameRect(boundingRectOnScreen, RECT{112, 84, 912, 684}));
}

TEST_F(SelectionRectangleSizeDialog, RefusesInOrderAndFocusesTheFieldConcerned) {
    struct Step {
        const char* width;
        const char* height;
        const char* message;
        bool widthField;
    };
    const Step steps[] = {
        {"", "600", "Fill the field for rectangle width, please...", true},
        {"0", "", "Check out the field for rectangle width, please...", true},
        {"12a", "600", "Check out the field for rectangle width, please...", true},
        {"1025", "", "You can select width bigger than screen resolution...", true},
        {"1024", "", "Fill the field for rectangle height, please...", false},
        {"1024", "0", "Check out the field for rectangle height, please...", false},
        {"1024", "abc", "Check out the field for rectangle height, please...", false},
        {"1024", "769", "You can select height bigger than screen resolution...", false},
    };
    boundingRect = {1, 2, 3, 4};
    test::onNextDialog([&](HWND dialog) {
        guard(dialog);
        const RectangleFields f = rectangleFields(dialog);
        for (const Step& step : steps) {
            setText(f.width, step.width);
            setText(f.height, step.height);
            SetFocus(f.ok);
            script.clear();
            test::click(f.ok);
            ASSERT_EQ(script.asked().size(), 1u) << step.width << " x " << step.height;
            EXPECT_EQ(script.last().text, step.message);
            EXPECT_EQ(script.last().caption, "Error");
            EXPECT_EQ(script.last().flags, stopFlags);
            EXPECT_EQ(GetFocus(), step.widthField ? f.width : f.height) << step.message;
            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(boundingRectShown, 0);
        }
        // Exactly the screen's size is accepted.
        setText(f.height, "768");
        script.clear();
        test::click(f.ok);
    });
    EXPECT_EQ(runRectangleSizeDialog(nullptr), 1);
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(boundingRectShown, 1);
    EXPECT_TRUE(sameRect(boundingRect, RECT{0, 0, 1024, 768}));
    EXPECT_TRUE(sameRect(boundingRectOnScreen, RECT{0, 0, 1024, 768}));
}

int backdropPaints = 0;

LRESULT CALLBACK countPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        ++backdropPaints;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(SelectionRectangleSizeDialog, CentresInTheBackdropAndRepaintsIt) {
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

    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        const RectangleFields f = rectangleFields(dialog);
        setText(f.width, "800");
        setText(f.height, "601");
        test::click(f.ok);
    });
    EXPECT_EQ(runRectangleSizeDialog(nullptr), 1);
    EXPECT_TRUE(sameRect(boundingRect, RECT{0, 0, 800, 601}));
    EXPECT_TRUE(sameRect(boundingRectOnScreen, RECT{100, 50, 900, 651}));
    EXPECT_TRUE(test::pumpUntil([&] { return backdropPaints > paintsBefore; }));

    // "Cancel" (here Esc) keeps everything as it was.
    boundingRectShown = 0;
    test::onNextDialog([](HWND dialog) {
        guard(dialog);
        const RectangleFields f = rectangleFields(dialog);
        setText(f.width, "300");
        pressKey(dialog, f.width, VK_ESCAPE);
    });
    EXPECT_EQ(runRectangleSizeDialog(nullptr), 0);
    EXPECT_EQ(boundingRectShown, 0);
    EXPECT_TRUE(sameRect(boundingRect, RECT{0, 0, 800, 601}));
    EXPECT_TRUE(sameRect(boundingRectOnScreen, RECT{100, 50, 900, 651}));

    DestroyWindow(backdropWindow);
    backdropWindow = nullptr;
}

// --- Pictures for review: only when ZIM_SCREENSHOT_DIR names a folder ---

// Writes the screen area as a 24-bit BMP file.
bool saveScreenArea(const RECT& area, const std::string& path) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(dc, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height);
    GetDIBits(dc, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

void settle(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 300) {
        test::pumpMessages();
        Sleep(20);
    }
}

class SelectionScreenshots : public SelectionDialogs {
  protected:
    // Captures the next dialog (and, for a combo box, once more with its list open), then
    // closes it with `close`.
    void capture(const std::string& name, std::function<void(HWND)> close) {
        test::onNextDialog([this, name, close](HWND dialog) {
            guard(dialog);
            settle(dialog);
            EXPECT_TRUE(saveScreenArea(screenRect(dialog), folder + "/" + name + ".bmp"));
            if (HWND combo = test::findChild(dialog, 33, "ComboBoxEx32")) {
                SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
                settle(dialog);
                COMBOBOXINFO info{};
                info.cbSize = sizeof info;
                GetComboBoxInfo(
                    reinterpret_cast<HWND>(SendMessageA(combo, CBEM_GETCOMBOCONTROL, 0, 0)), &info);
                RECT area = screenRect(dialog);
                RECT list = screenRect(info.hwndList);
                UnionRect(&area, &area, &list);
                EXPECT_TRUE(saveScreenArea(area, folder + "/" + name + "_open.bmp"));
                SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
            }
            close(dialog);
        });
    }

    std::string folder;
};

void clickCancel(HWND dialog) {
    test::click(test::findChild(dialog, 26, "Button"));
}

void describeAndAccept(HWND dialog) {
    setText(childrenOfClass(dialog, "Edit").at(0), "Screenshot");
    test::click(test::findChild(dialog, 25, "Button"));
}

TEST_F(SelectionScreenshots, EachDialog) {
    const char* folderName = std::getenv("ZIM_SCREENSHOT_DIR");
    if (!folderName || !*folderName)
        return;
    folder = folderName;
    buildDefaultProject();
    currentWindow = 1;
    selectedButton = 1;
    selectedStatic = 1;
    pendingBackgroundKind = 2;
    pendingBackgroundValue = 5;
    pendingCursor = 2;
    iconTarget = 0;
    pendingIcon = 1;

    capture("description_button", describeAndAccept);
    runDescriptionPrompt(nullptr, NewControlKind::button);
    capture("description_static", describeAndAccept);
    runDescriptionPrompt(nullptr, NewControlKind::staticControl);
    capture("system_colours", clickCancel);
    runSystemColourDialog(nullptr);
    capture("stock_brushes", clickCancel);
    runStockBrushDialog(nullptr);
    capture("standard_cursors", clickCancel);
    runStandardCursorDialog(nullptr);
    capture("standard_icons", clickCancel);
    runStandardIconDialog(nullptr);
    capture("bounding_rectangle", clickCancel);
    runRectangleSizeDialog(nullptr);
}

} // namespace
} // namespace zim
