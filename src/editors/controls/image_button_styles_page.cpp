// "Styles" of an image button: the type behind the image and the image's alignment, with the
// live preview.
#include "editors/controls/button_option_rules.h"
#include "editors/controls/button_page.h"
#include "editors/controls/button_pages.h"

namespace zim {

namespace {

// Controls: type radios 81 to 89, alignment options 102 to 108.

class ImageButtonStylesPage : public ButtonPage {
  public:
    explicit ImageButtonStylesPage(ParametersFrame& frame)
        : ButtonPage(frame, "ZIM Owner-Drawn ( by Windows ) Button Additional Styles") {}

  private:
    LayoutBox previewBox(int, int height) const override { return imagePreviewBox(height); }

    std::vector<ControlDescription> ownControls(int, int height) const override {
        return {imagePreviewGroup(height)};
    }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const int right = width - 330;
        groups.add({" Button \"Background Styles\" ",
                    {320, 32, right, 222},
                    {340, 54, right - 30, 20},
                    22},
                   buttonTypeRules(copy()));
        groups.add(
            {" Image Alignment Options ", {320, 260, right, 165}, {340, 282, right - 30, 18}, 20},
            buttonStyleRules(copy(), {102, 103, 104, 105, 106, 107, 108}));
    }
};

} // namespace

std::unique_ptr<PageBase> makeImageButtonStylesPage(ParametersFrame& frame) {
    return std::make_unique<ImageButtonStylesPage>(frame);
}

} // namespace zim
