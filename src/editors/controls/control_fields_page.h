// What the button and static pages share: a working copy of a control record, its
// description edit and the four position and size edits, written to the copy as they change,
// and "Select ... in Preview Mode", whose edit window sends command 134 when it closes so the
// four edits are read again.
#pragma once

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>

#include "editors/controls/control_field_rules.h"
#include "editors/controls/control_text_rules.h"
#include "editors/controls/style_set_page.h"
#include "live/edit_windows.h"
#include "model/text_field.h"
#include "shell/control_toolkit.h"
#include "shell/user_questions.h"

namespace zim {

enum ControlFieldControl : int {
    captionEdit = 96,
    descriptionEdit = 97,
    // 98 to 101: the position and size edits (ControlFieldEditId)
    previewModeButton = 95,
};

constexpr DWORD descriptionEditStyle = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;

// A label and a number edit of the position and size groups.
inline ControlDescription fieldLabel(const char* text, const LayoutBox& box) {
    return {"STATIC", text, SS_LEFT, box, 0, ControlFont::control};
}
inline ControlDescription numberField(int id, const LayoutBox& box) {
    return {"EDIT",
            "",
            ES_NUMBER | ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP,
            box,
            id,
            ControlFont::control,
            WS_EX_CLIENTEDGE};
}

// The font picker on a control's font and text colour; both change only when confirmed.
template <class Record> bool chooseControlFont(HWND owner, Record& copy) {
    static_assert(sizeof(LOGFONTA) == sizeof(LogFont), "a stored font is a LOGFONTA");
    LOGFONTA font;
    std::memcpy(&font, &copy.font, sizeof font);
    COLORREF colour = static_cast<COLORREF>(copy.textColour);
    if (!chooseFont(owner, font, colour))
        return false;
    std::memcpy(&copy.font, &font, sizeof font);
    copy.textColour = static_cast<int32_t>(colour);
    return true;
}

// `Record` is ButtonControl or StaticControl.
template <class Record> class ControlFieldsPage : public StyleSetPage {
  protected:
    ControlFieldsPage(const char* title, std::unique_ptr<PagePreview> preview, Record& copy)
        : StyleSetPage(title, std::move(preview)), copy_(copy) {}

    Record& copy() { return copy_; }

    // One position or size edit's text into the copy, with the control's own defaults.
    virtual void storeField(int id, const std::string& text) = 0;
    // The edit window on the copy, in edit state only.
    virtual void openEditWindow() = 0;

    // The description and the four position and size edits from the working copy.
    void loadFields() {
        SendDlgItemMessageA(window(), descriptionEdit, EM_LIMITTEXT, controlDescriptionLimit, 0);
        setLoadedText(descriptionEdit, shown(copy_.description));
        loadPlace();
    }

    void loadPlace() {
        setLoadedText(xEdit, std::to_string(copy_.x));
        setLoadedText(yEdit, std::to_string(copy_.y));
        setLoadedText(widthEdit, std::to_string(copy_.width));
        setLoadedText(heightEdit, std::to_string(copy_.height));
    }

    // EN_CHANGE of the description and of the position and size edits, the preview-mode
    // button and the edit window's closing; returns whether it was one of them.
    bool onFieldCommand(int id, int code) {
        if (id == editWindowClosedCommand) {
            releaseEditWindowClass();
            loadPlace();
            preview().rebuild();
            return true;
        }
        if (id == previewModeButton) {
            if (code == BN_CLICKED)
                openEditWindow();
            return true;
        }
        if (id == descriptionEdit) {
            if (code == EN_CHANGE && !loading_)
                storeDescription(copy_.description, textOf(window(), id));
            return true;
        }
        if (!controlFieldOfEdit(id))
            return false;
        if (code == EN_CHANGE && !loading_) {
            storeField(id, textOf(window(), id));
            if (id == widthEdit || id == heightEdit)
                preview().rebuild(); // a preview at the control's own size
        }
        return true;
    }

    // Text set by the page itself is no edit of the user's.
    bool loading() const { return loading_; }
    void setLoadedText(int id, const std::string& text) {
        loading_ = true;
        setText(window(), id, text);
        loading_ = false;
    }

  private:
    Record& copy_;
    bool loading_ = false;
};

} // namespace zim
