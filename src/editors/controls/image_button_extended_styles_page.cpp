// "Extended Styles" of an image button: the other button styles and the window and extended
// style sets, with the live preview.
#include "editors/controls/button_option_rules.h"
#include "editors/controls/button_page.h"
#include "editors/controls/button_pages.h"

namespace zim {

namespace {

// Controls: options 109, 111, 112 and 113 to 121.

class ImageButtonExtendedStylesPage : public ButtonPage {
  public:
    explicit ImageButtonExtendedStylesPage(ParametersFrame& frame)
        : ButtonPage(frame, "ZIM Owner-Drawn ( by Windows ) Button Extended Styles") {}

  private:
    LayoutBox previewBox(int, int height) const override { return imagePreviewBox(height); }

    std::vector<ControlDescription> ownControls(int, int height) const override {
        return {imagePreviewGroup(height)};
    }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const int right = width - 330;
        const LayoutBox option = {330, 0, right - 20, 18};
        const auto at = [option](int top) { return LayoutBox{option.left, top, option.width, 18}; };
        groups.add({" Button Miscellaneous Styles ", {320, 32, right, 80}, at(52), 20},
                   buttonStyleRules(copy(), {109, 111, 112}));
        groups.add({" Window Styles Used With Buttons : ", {320, 118, right, 140}, at(138), 20},
                   buttonStyleSetToggles(copy(), StyleSet::window, {113, 114, 115, 116, 117, 118}));
        groups.add(
            {" Window Extended Styles Used With Buttons : ", {320, 264, right, 80}, at(284), 20},
            buttonStyleSetToggles(copy(), StyleSet::extended, {119, 120, 121}));
    }
};

} // namespace

std::unique_ptr<PageBase> makeImageButtonExtendedStylesPage(ParametersFrame& frame) {
    return std::make_unique<ImageButtonExtendedStylesPage>(frame);
}

} // namespace zim
