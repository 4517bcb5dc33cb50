#include "editors/controls/button_page.h"

#include <string>

#include "editors/controls/control_field_rules.h"
#include "editors/controls/control_text_rules.h"
#include "editors/frame/parameters_frame.h"
#include "live/edit_windows.h"
#include "model/text_field.h"
#include "shell/control_toolkit.h"

namespace zim {

ButtonPage::ButtonPage(ParametersFrame& frame, const char* title)
    : ControlFieldsPage(title,
                        std::make_unique<ButtonPreview>(frame.session().buttonCopy(),
                                                        frame.session().selection().window),
                        frame.session().buttonCopy()),
      frame_(frame), windowNumber_(frame.session().selection().window),
      buttonNumber_(frame.session().selection().control) {}

std::vector<ControlDescription> ButtonPage::descriptionRows(const LayoutBox& group) {
    return {{"BUTTON", " Button Description ( max 250 chars ) : ", BS_GROUPBOX, group},
            {"EDIT",
             "",
             descriptionEditStyle,
             {group.left + 20, group.top + 22, group.width - 40, group.height - 40},
             descriptionEdit,
             ControlFont::control,
             WS_EX_CLIENTEDGE}};
}

std::vector<ControlDescription> ButtonPage::placeRows(const LayoutBox& group) {
    const int x = group.left, y = group.top;
    const int half = group.width / 2;
    return {
        {"BUTTON", " Button Size and Position : ", BS_GROUPBOX, group},
        fieldLabel(" X_Left Value =", {x + 10, y + 22, 110, 18}),
        numberField(xEdit, {x + 121, y + 22, 50, 18}),
        fieldLabel(" Y_Top Value =", {x + 10, y + 43, 110, 18}),
        numberField(yEdit, {x + 121, y + 43, 50, 18}),
        fieldLabel(" Button Width =", {x + half, y + 22, 120, 18}),
        numberField(widthEdit, {x + half + 121, y + 22, 50, 18}),
        fieldLabel(" Button Height =", {x + half, y + 43, 120, 18}),
        numberField(heightEdit, {x + half + 121, y + 43, 50, 18}),
        {"BUTTON",
         "Select Button Size and Position in Preview Mode",
         WS_TABSTOP,
         {x, group.bottom() + 6, group.width, 25},
         previewModeButton},
    };
}

ControlDescription ButtonPage::imagePreviewGroup(int height) {
    // The group box never paints over the preview box and button lying on it.
    return {"BUTTON",
            " Current Button Style Preview ",
            BS_GROUPBOX | WS_CLIPSIBLINGS,
            {10, 32, 300, height - 42}};
}

LayoutBox ButtonPage::imagePreviewBox(int height) {
    return {20, 54, 280, height - 74};
}

void ButtonPage::addTooltipGroup(OptionGroups& groups, const LayoutBox& group) {
    groups.add(
        {" Use Button Description as Tooltip : ",
         group,
         {group.left + 50, group.top + 20, 80, 20},
         0,
         100},
        radioRules([this] { return tooltipRadios(copy().descriptionAsTooltip); },
                   [this](int id) { return chooseTooltip(copy().descriptionAsTooltip, id); }));
}

void ButtonPage::storeField(int id, const std::string& text) {
    storeButtonField(copy(), id, text);
}

void ButtonPage::openEditWindow() {
    if (frame_.session().state() != EditorState::edit)
        return;
    openButtonEditWindow(windowNumber_, buttonNumber_, copy(), window());
}

} // namespace zim
