// What the button pages share: the working copy of the button the frame edits, the live
// preview of the button, and the fields of the basic pages (description, tooltip, position and
// size with "Select Button Size and Position in Preview Mode").
#pragma once

#include <windows.h>

#include <vector>

#include "editors/controls/button_preview.h"
#include "editors/controls/style_set_page.h"
#include "model/project.h"

namespace zim {

class ParametersFrame;

enum ButtonFieldControl : int {
    captionEdit = 96,
    descriptionEdit = 97,
    // 98 to 101: the position and size edits (ControlFieldEditId)
    previewModeButton = 95,
};

class ButtonPage : public StyleSetPage {
  protected:
    ButtonPage(ParametersFrame& frame, const char* title);

    ButtonControl& copy() { return copy_; }
    ButtonPreview& buttonPreview() { return static_cast<ButtonPreview&>(preview()); }
    ParametersFrame& frame() { return frame_; }

    // The group " Button Description ( max 250 chars ) : " with its edit.
    static std::vector<ControlDescription> descriptionRows(const LayoutBox& group);
    // The group " Button Size and Position : " with the four edits and their labels; the
    // preview-mode button below it.
    static std::vector<ControlDescription> placeRows(const LayoutBox& group);
    // The image button pages' group " Current Button Style Preview " down the left of the page,
    // and the preview box inside it.
    static ControlDescription imagePreviewGroup(int height);
    static LayoutBox imagePreviewBox(int height);
    // " Use Button Description as Tooltip : " with " Yes" and " No" side by side.
    void addTooltipGroup(OptionGroups& groups, const LayoutBox& group);

    // The description and the four position and size edits from the working copy.
    void loadFields();
    // EN_CHANGE of the description and of the position and size edits, the preview-mode
    // button and the edit window's closing; returns whether it was one of them.
    bool onFieldCommand(int id, int code);
    // Text set by the page itself is no edit of the user's.
    bool loading() const { return loading_; }
    void setLoadedText(int id, const std::string& text);

  private:
    void loadPlace();
    void openEditWindow();

    ParametersFrame& frame_;
    ButtonControl& copy_;
    int windowNumber_;
    int buttonNumber_;
    bool loading_ = false;
};

} // namespace zim
