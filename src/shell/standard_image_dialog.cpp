#include "shell/standard_image_dialog.h"

#include <commctrl.h>

#include "model/style_lists.h"
#include "shell/selection_dialog.h"

namespace zim {

namespace {

enum StandardImageControl : int {
    imageSelect = selectionAccept,
    imageCancel = selectionCancel,
    imageNames = selectionList,
};

constexpr int dialogWidth = 300;
constexpr int dialogHeight = 200;
constexpr int imageSize = 32;
constexpr int comboTop = 20;
constexpr int droppedHeight = 260; // the combo box and its open list
constexpr int buttonWidth = 75;
constexpr int buttonHeight = 25;

class StandardImageDialog : public SelectionDialog {
  public:
    StandardImageDialog(StandardImageKind kind, int preselected)
        : SelectionDialog(true), kind_(kind), preselected_(preselected) {}

    // The image list lives as long as the dialog's combo box can draw from it.
    ~StandardImageDialog() override {
        if (images_)
            ImageList_Destroy(images_);
    }

    int32_t chosen() const { return chosen_; }

  private:
    const ValueList& list() const {
        return kind_ == StandardImageKind::cursor ? standardCursorList : standardIconList;
    }

    HICON systemImage(int entry) const {
        const char* id = MAKEINTRESOURCEA(list()[entry].value);
        return kind_ == StandardImageKind::cursor ? LoadCursorA(nullptr, id)
                                                  : LoadIconA(nullptr, id);
    }

    HWND onInit() override {
        images_ = ImageList_Create(imageSize, imageSize, ILC_COLOR, list().count, 0);
        for (int k = 1; k <= list().count; ++k)
            ImageList_AddIcon(images_, systemImage(k));
        const int width = clientWidth() - 2 * selectionMargin;
        const LayoutBox box{selectionMargin, comboTop, width, droppedHeight};
        names_ =
            add({WC_COMBOBOXEXA, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, box, imageNames});
        SendMessageA(names_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
        for (int k = 1; k <= list().count; ++k)
            insertItem(k);
        SendMessageA(names_, CB_SETCURSEL, static_cast<WPARAM>(preselected_), 0);
        addButtonRow({{imageSelect, "Select"}, {imageCancel, "Cancel"}}, buttonWidth, buttonHeight);
        return names_;
    }

    void insertItem(int entry) {
        COMBOBOXEXITEMA item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = entry - 1;
        item.pszText = const_cast<char*>(list()[entry].name);
        item.iImage = entry - 1;
        item.iSelectedImage = entry - 1;
        SendMessageA(names_, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }

    void onAccept() override {
        const auto position = SendMessageA(names_, CB_GETCURSEL, 0, 0);
        if (position == CB_ERR)
            return;
        chosen_ = static_cast<int32_t>(position) + 1;
        end(1);
    }

    StandardImageKind kind_;
    int preselected_;
    HIMAGELIST images_ = nullptr;
    HWND names_ = nullptr;
    int32_t chosen_ = 0;
};

} // namespace

int32_t chooseStandardImage(HWND owner, const char* caption, StandardImageKind kind,
                            int preselected) {
    StandardImageDialog dialog(kind, preselected);
    return dialog.run(owner, caption, dialogWidth, dialogHeight) == 1 ? dialog.chosen() : 0;
}

} // namespace zim
