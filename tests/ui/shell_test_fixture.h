// The shell started at once (no backdrop timer, no animations) in a fresh program directory
// holding the default project. Each test ends with the shell stopped and the directory
// removed.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "model/default_project.h"
#include "model/program_state.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/text_field.h"
#include "program_directory.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "ui_harness.h"

namespace zim::test {

class ShellTest : public ::testing::Test {
  protected:
    void TearDown() override { stopShell(); }

    // Starts the shell; the main window shows the About view.
    HWND start() {
        HWND window = startShellNow(GetModuleHandleA(nullptr));
        EXPECT_NE(window, nullptr);
        return window;
    }

    // Chooses a view from the menu as a click on its item does.
    static void chooseView(int view) {
        SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(1000 + view, 0), 0);
    }

    ProgramDirectory root_;
};

// A window's rectangle in the client coordinates of `parent`.
inline RECT rectIn(HWND parent, HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

using Place = std::array<LONG, 4>; // left, top, width, height

inline Place placeIn(HWND parent, HWND window) {
    const RECT r = rectIn(parent, window);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline SIZE clientSize(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

inline std::string className(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// One item of a tree view as the user sees it.
struct TreeItem {
    HTREEITEM handle;
    int depth;
    std::string text;
    int image;
    int selectedImage;
    LPARAM code;
};

// Every item of the tree in display order (parents before their children).
inline std::vector<TreeItem> treeItems(HWND tree) {
    std::vector<TreeItem> items;
    struct Walker {
        HWND tree;
        std::vector<TreeItem>& items;
        void walk(HTREEITEM item, int depth) {
            for (; item; item = TreeView_GetNextSibling(tree, item)) {
                char text[128] = {};
                TVITEMA data = {};
                data.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
                data.hItem = item;
                data.pszText = text;
                data.cchTextMax = sizeof text;
                SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
                items.push_back({item, depth, text, data.iImage, data.iSelectedImage, data.lParam});
                walk(TreeView_GetChild(tree, item), depth + 1);
            }
        }
    } walker{tree, items};
    walker.walk(TreeView_GetRoot(tree), 0);
    return items;
}

inline LPARAM selectedCode(HWND tree) {
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = TreeView_GetSelection(tree);
    if (!data.hItem)
        return -1;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return data.lParam;
}

inline HTREEITEM itemWithCode(HWND tree, LPARAM code) {
    for (const TreeItem& item : treeItems(tree))
        if (item.code == code)
            return item.handle;
    return nullptr;
}

} // namespace zim::test
