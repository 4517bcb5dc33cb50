#include "editors/controls/static_page.h"

#include <string>

#include "editors/controls/control_field_rules.h"
#include "editors/controls/control_text_rules.h"
#include "editors/controls/static_graphics_rules.h"
#include "editors/controls/static_option_rules.h"
#include "editors/frame/parameters_frame.h"
#include "live/edit_windows.h"
#include "model/text_field.h"
#include "shell/control_toolkit.h"

namespace zim {

StaticPage::StaticPage(ParametersFrame& frame, const char* title)
    : ControlFieldsPage(title,
                        std::make_unique<StaticPagePreview>(frame.session().staticCopy(),
                                                            frame.session().selection().window),
                        frame.session().staticCopy()),
      frame_(frame), windowNumber_(frame.session().selection().window),
      staticNumber_(frame.session().selection().control) {}

const StaticControl& StaticPage::saved() const {
    return staticControl(windowNumber_, staticNumber_);
}

std::vector<ControlDescription> StaticPage::descriptionRows(const LayoutBox& group) {
    return {{"BUTTON", " Static Control Description ( max 250 chars ) : ", BS_GROUPBOX, group},
            {"EDIT",
             "",
             descriptionEditStyle,
             {group.left + 10, group.top + 20, group.width - 20, group.height - 28},
             descriptionEdit,
             ControlFont::control,
             WS_EX_CLIENTEDGE}};
}

std::vector<ControlDescription> StaticPage::placeRows(const LayoutBox& group) {
    const int x = group.left, y = group.top;
    const int half = group.width / 2;
    const int labelWidth = half - 60;
    return {
        {"BUTTON", " Static Control Size and Position : ", BS_GROUPBOX, group},
        fieldLabel(" X_Left Value =", {x + 8, y + 20, labelWidth, 18}),
        numberField(xEdit, {x + 8 + labelWidth, y + 20, 45, 18}),
        fieldLabel(" Y_Top Value =", {x + 8, y + 41, labelWidth, 18}),
        numberField(yEdit, {x + 8 + labelWidth, y + 41, 45, 18}),
        fieldLabel(" Control Width =", {x + half, y + 20, labelWidth, 18}),
        numberField(widthEdit, {x + half + labelWidth, y + 20, 45, 18}),
        fieldLabel(" Control Height =", {x + half, y + 41, labelWidth, 18}),
        numberField(heightEdit, {x + half + labelWidth, y + 41, 45, 18}),
        {"BUTTON",
         "Select Static Control Size/Position in Preview Mode",
         WS_TABSTOP,
         {x, group.bottom() + 4, group.width, 25},
         previewModeButton},
    };
}

std::vector<ControlDescription> StaticPage::rightColumnFields(int width) {
    const int rx = rightLeft(width), rw = rightWidth(width);
    std::vector<ControlDescription> rows = descriptionRows({rx, 28, rw, 72});
    for (const ControlDescription& row : placeRows({rx, 304, rw, 63}))
        rows.push_back(row);
    return rows;
}

void StaticPage::addRightColumnStyleGroups(OptionGroups& groups, int width) {
    const int rx = rightLeft(width), rw = rightWidth(width);
    addWindowStyleGroups(groups, {rx, 102, rw, 112}, {rx, 216, rw, 86}, 20);
}

void StaticPage::addWindowStyleGroups(OptionGroups& groups, const LayoutBox& windowBox,
                                      const LayoutBox& extendedBox, int step) {
    const auto first = [](const LayoutBox& box) {
        return LayoutBox{box.left + 10, box.top + 18, box.width - 15, 18};
    };
    groups.add({" Window Styles Used With Static Controls : ", windowBox, first(windowBox), step},
               staticStyleRules(copy(), saved(), {113, 114, 115, 118}));
    groups.add({" Window Extended Styles Used With Static Controls : ", extendedBox,
                first(extendedBox), step},
               staticStyleRules(copy(), saved(), {119, 120, 121}));
}

void StaticPage::storeField(int id, const std::string& text) {
    storeStaticField(copy(), id, text);
}

void StaticPage::openEditWindow() {
    if (frame_.session().state() != EditorState::edit)
        return;
    openStaticEditWindow(windowNumber_, staticNumber_, staticEditTarget(copy()), copy(), window());
}

} // namespace zim
