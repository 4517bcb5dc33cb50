// What the button pages share: the working copy of the button the frame edits, the live
// preview of the button, and the fields of the basic pages (description, tooltip, position and
// size with "Select Button Size and Position in Preview Mode").
#pragma once

#include <windows.h>

#include <vector>

#include "editors/controls/button_preview.h"
#include "editors/controls/control_fields_page.h"
#include "model/project.h"

namespace zim {

class ParametersFrame;

class ButtonPage : public ControlFieldsPage<ButtonControl> {
  protected:
    ButtonPage(ParametersFrame& frame, const char* title);

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

  private:
    void storeField(int id, const std::string& text) override;
    void openEditWindow() override;

    ParametersFrame& frame_;
    int windowNumber_;
    int buttonNumber_;
};

} // namespace zim
