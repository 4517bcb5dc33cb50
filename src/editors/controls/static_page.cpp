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

namespace {

constexpr DWORD numberEdit = ES_NUMBER | ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD descriptionStyle = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;

ControlDescription label(const char* text, const LayoutBox& box) {
    return {"STATIC", text, SS_LEFT, box, 0, ControlFont::control};
}

ControlDescription edit(int id, const LayoutBox& box) {
    return {"EDIT", "", numberEdit, box, id, ControlFont::control, WS_EX_CLIENTEDGE};
}

} // namespace

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
             descriptionStyle,
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
        label(" X_Left Value =", {x + 8, y + 20, labelWidth, 18}),
        edit(xEdit, {x + 8 + labelWidth, y + 20, 45, 18}),
        label(" Y_Top Value =", {x + 8, y + 41, labelWidth, 18}),
        edit(yEdit, {x + 8 + labelWidth, y + 41, 45, 18}),
        label(" Control Width =", {x + half, y + 20, labelWidth, 18}),
        edit(widthEdit, {x + half + labelWidth, y + 20, 45, 18}),
        label(" Control Height =", {x + half, y + 41, labelWidth, 18}),
        edit(heightEdit, {x + half + labelWidth, y + 41, 45, 18}),
        {"BUTTON",
         "Select Static Control Size/Position in Preview Mode",
         WS_TABSTOP,
         {x, group.bottom() + 4, group.width, 25},
         previewModeButton},
    };
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
