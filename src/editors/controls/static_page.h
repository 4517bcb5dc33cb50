// What the static pages share: the working copy of the static the frame edits, the live
// preview, the description, the window and extended style groups, and the position and size
// fields with "Select Static Control Size/Position in Preview Mode".
#pragma once

#include <windows.h>

#include <vector>

#include "editors/controls/control_fields_page.h"
#include "editors/controls/static_page_preview.h"
#include "model/project.h"

namespace zim {

class ParametersFrame;

class StaticPage : public ControlFieldsPage<StaticControl> {
  protected:
    StaticPage(ParametersFrame& frame, const char* title);

    // The two columns of a page `width` wide: the left half and the right half.
    static int leftWidth(int width) { return width / 2 - 15; }
    static int rightLeft(int width) { return width / 2 + 5; }
    static int rightWidth(int width) { return width - rightLeft(width) - 10; }

    // The static's record in the Project, as last saved.
    const StaticControl& saved() const;
    StaticPagePreview& staticPreview() { return static_cast<StaticPagePreview&>(preview()); }
    ParametersFrame& frame() { return frame_; }

    // The group " Static Control Description ( max 250 chars ) : " with its edit.
    static std::vector<ControlDescription> descriptionRows(const LayoutBox& group);
    // The group " Static Control Size and Position : " with the four edits and their labels; the
    // preview-mode button below it.
    static std::vector<ControlDescription> placeRows(const LayoutBox& group);
    // The layout the simple-graphics and image statics' basic pages share: the preview at the
    // top of the left column; down the right column the description, the window and extended
    // style groups, position and size.
    static LayoutBox leftPreviewBox(int width) { return {10, 32, leftWidth(width), 171}; }
    static std::vector<ControlDescription> rightColumnFields(int width);
    void addRightColumnStyleGroups(OptionGroups& groups, int width);

    // The window style options (113, 114, 115, 118) and the extended ones (119 to 121), each
    // group in its box, options `step` apart.
    void addWindowStyleGroups(OptionGroups& groups, const LayoutBox& windowBox,
                              const LayoutBox& extendedBox, int step);

  private:
    void storeField(int id, const std::string& text) override;
    void openEditWindow() override;

    ParametersFrame& frame_;
    int windowNumber_;
    int staticNumber_;
};

} // namespace zim
