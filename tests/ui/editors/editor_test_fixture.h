// The shell started on the default project with the Edit view shown, and the parameters window
// of the item selected in its structure tree.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "editors/frame/parameters_frame.h"
#include "shell_test_fixture.h"

namespace zim::test {

class EditorTest : public ShellTest {
  protected:
    void showEditView() {
        start();
        chooseView(2);
        HWND pane = FindWindowExA(viewDialog, nullptr, "WizardDescriptionWindowClass", nullptr);
        ASSERT_NE(pane, nullptr);
        tree_ = GetDlgItem(pane, 1);
        ASSERT_NE(tree_, nullptr);
        ASSERT_NE(parametersWindow, nullptr);
    }

    // Selects the tree item as a click on it does.
    void select(LPARAM code) {
        HTREEITEM item = itemWithCode(tree_, code);
        ASSERT_NE(item, nullptr) << code;
        SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        ASSERT_NE(parametersWindow, nullptr);
    }

    static HWND control(int id) { return GetDlgItem(parametersWindow, id); }
    static void press(int id) { click(control(id)); }
    static bool enabled(int id) { return IsWindowEnabled(control(id)) != FALSE; }
    static bool checked(int id) {
        return SendMessageA(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    // The shown tab page and its controls.
    static HWND page() { return ParametersFrame::current()->editor()->tabPage(); }
    static HWND item(int id) { return GetDlgItem(page(), id); }
    static void clickItem(int id) { click(item(id)); }
    static bool itemChecked(int id) {
        return SendMessageA(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // As typed: a multi-line edit reports no change of text set with WM_SETTEXT.
    static void typeAsUser(int id, const char* text) {
        SendMessageA(item(id), EM_SETSEL, 0, -1);
        SendMessageA(item(id), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }
    static void showTab(int position) { SendMessageA(control(43), TCM_SETCURFOCUS, position, 0); }

    // The command buttons as (Edit, Restore, Save) enabled.
    static std::vector<bool> commandButtons() { return {enabled(15), enabled(16), enabled(17)}; }
    static std::vector<bool> viewState() { return {true, false, false}; }
    static std::vector<bool> editState() { return {false, true, true}; }

    static std::vector<std::string> tabCaptions(HWND tabControl) {
        std::vector<std::string> captions;
        const int count = static_cast<int>(SendMessageA(tabControl, TCM_GETITEMCOUNT, 0, 0));
        for (int k = 0; k < count; ++k) {
            char text[64] = {};
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(tabControl, TCM_GETITEMA, k, reinterpret_cast<LPARAM>(&item));
            captions.push_back(text);
        }
        return captions;
    }

    // Pixels of the title's colour in the band where the frame draws its title.
    static int titlePixels() {
        UpdateWindow(parametersWindow);
        const SIZE client = clientSize(parametersWindow);
        HDC dc = GetDC(parametersWindow);
        int dark = 0;
        for (int y = 5; y < 32; ++y)
            for (int x = 0; x < client.cx; x += 2)
                dark += GetPixel(dc, x, y) == RGB(15, 15, 15);
        ReleaseDC(parametersWindow, dc);
        return dark;
    }

    HWND tree_ = nullptr;
};

} // namespace zim::test
