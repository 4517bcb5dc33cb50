// What the static pages share: the working copy of the static the frame edits, the live
// preview, the description, the window and extended style groups, and the position and size
// fields with "Select Static Control Size/Position in Preview Mode".
#pragma once

#include <windows.h>

#include <vector>

#include "editors/controls/static_page_preview.h"
#include "editors/controls/style_set_page.h"
#include "model/project.h"

namespace zim {

class ParametersFrame;

enum StaticFieldControl : int {
    staticCaptionEdit = 96,
    staticDescriptionEdit = 97,
    // 98 to 101: the position and size edits (ControlFieldEditId)
    staticPreviewModeButton = 95,
};

class StaticPage : public StyleSetPage {
  protected:
    StaticPage(ParametersFrame& frame, const char* title);

    StaticControl& copy() { return copy_; }
    // The static's record in the Project, as last saved.
    const StaticControl& saved() const;
    StaticPagePreview& staticPreview() { return static_cast<StaticPagePreview&>(preview()); }
    ParametersFrame& frame() { return frame_; }

    // The group " Static Control Description ( max 250 chars ) : " with its edit.
    static std::vector<ControlDescription> descriptionRows(const LayoutBox& group);
    // The group " Static Control Size and Position : " with the four edits and their labels; the
    // preview-mode button below it.
    static std::vector<ControlDescription> placeRows(const LayoutBox& group);
    // The window style options (113, 114, 115, 118) and the extended ones (119 to 121), each
    // group in its box, options `step` apart.
    void addWindowStyleGroups(OptionGroups& groups, const LayoutBox& windowBox,
                              const LayoutBox& extendedBox, int step);

    // The description and the four position and size edits from the working copy.
    void loadFields();
    void loadPlace();
    // EN_CHANGE of the description and of the position and size edits, the preview-mode
    // button and the edit window's closing; returns whether it was one of them.
    bool onFieldCommand(int id, int code);
    // Text set by the page itself is no edit of the user's.
    bool loading() const { return loading_; }
    void setLoadedText(int id, const std::string& text);

  private:
    void openEditWindow();

    ParametersFrame& frame_;
    StaticControl& copy_;
    int windowNumber_;
    int staticNumber_;
    bool loading_ = false;
};

} // namespace zim
