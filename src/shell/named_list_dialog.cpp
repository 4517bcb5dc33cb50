#include "shell/named_list_dialog.h"

#include "shell/selection_dialog.h"

namespace zim {

namespace {

enum NamedListControl : int {
    listSelect = selectionAccept,
    listCancel = selectionCancel,
    listNames = selectionList,
};

constexpr const char* refusalCaption = "Error";
constexpr int listTop = 20;
constexpr int buttonWidth = 75;
constexpr int buttonHeight = 25;
constexpr DWORD listStyle =
    WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

class NamedListDialog : public SelectionDialog {
  public:
    explicit NamedListDialog(const NamedListChoice& choice)
        : SelectionDialog(true), choice_(choice) {}

    int32_t chosen() const { return chosen_; }

  private:
    HWND onInit() override {
        const int height = buttonRowTop(buttonHeight) - selectionMargin - listTop;
        const LayoutBox box{selectionMargin, listTop, clientWidth() - 2 * selectionMargin, height};
        names_ =
            add({"LISTBOX", "", listStyle, box, listNames, ControlFont::control, WS_EX_CLIENTEDGE});
        fillNames();
        SendMessageA(names_, LB_SETCURSEL, static_cast<WPARAM>(choice_.preselected), 0);
        addButtonRow({{listSelect, "Select"}, {listCancel, "Cancel"}}, buttonWidth, buttonHeight);
        return names_;
    }

    void fillNames() {
        SendMessageA(names_, WM_SETREDRAW, FALSE, 0);
        for (int k = 1; k <= choice_.list.count; ++k)
            SendMessageA(names_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice_.list[k].name));
        SendMessageA(names_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(names_, nullptr, TRUE);
    }

    void onAccept() override {
        const auto position = SendMessageA(names_, LB_GETCURSEL, 0, 0);
        if (position == LB_ERR)
            return;
        const int32_t entry = static_cast<int32_t>(position) + 1;
        if (const char* refusal = choice_.refusal ? choice_.refusal(entry) : nullptr) {
            refuse(names_, refusal, refusalCaption);
            return;
        }
        chosen_ = entry;
        end(1);
    }

    // A double click chooses like "Select".
    void onCommand(int id, int code) override {
        if (id == listNames && code == LBN_DBLCLK)
            onAccept();
    }

    const NamedListChoice& choice_;
    HWND names_ = nullptr;
    int32_t chosen_ = 0;
};

} // namespace

int32_t chooseFromNamedList(HWND owner, const NamedListChoice& choice) {
    NamedListDialog dialog(choice);
    return dialog.run(owner, choice.caption, choice.width, choice.height) == 1 ? dialog.chosen()
                                                                               : 0;
}

} // namespace zim
