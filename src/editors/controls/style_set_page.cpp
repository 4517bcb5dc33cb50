#include "editors/controls/style_set_page.h"

namespace zim {

namespace {

constexpr int titleTop = 2;
constexpr int titleHeight = 25;
constexpr int sideMargin = 10;

} // namespace

StyleSetPage::StyleSetPage(const char* title, std::unique_ptr<PagePreview> preview)
    : title_(title), preview_(std::move(preview)) {}

std::vector<ControlDescription> StyleSetPage::controls(int width, int height) const {
    std::vector<ControlDescription> rows = {
        {"STATIC",
         title_,
         SS_CENTER,
         {sideMargin, titleTop, width - 2 * sideMargin, titleHeight},
         0,
         ControlFont::heading}};
    for (const ControlDescription& row : ownControls(width, height))
        rows.push_back(row);
    return rows;
}

void StyleSetPage::onInit() {
    RECT client;
    GetClientRect(window(), &client);
    preview_->create(window(), previewBox(client.right, client.bottom));
    addOptionGroups(groups_, client.right, client.bottom);
    groups_.create(window());
}

void StyleSetPage::loadControls() {
    showChange();
    loadOwnControls();
}

void StyleSetPage::showChange() {
    groups_.refresh();
    preview_->rebuild();
}

void StyleSetPage::onEnableControls(bool enabled) {
    editing_ = enabled;
    groups_.setEditing(enabled);
    enableOwnControls(enabled);
}

void StyleSetPage::onCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED) {
        if (const std::optional<bool> changed = groups_.press(id)) {
            if (*changed) {
                preview_->rebuild();
                afterOptionChange(id);
            }
            return;
        }
    }
    onOwnCommand(id, code, control);
}

HBRUSH StyleSetPage::onControlColour(HDC dc, HWND control) {
    return preview_->colour(dc, control);
}

} // namespace zim
