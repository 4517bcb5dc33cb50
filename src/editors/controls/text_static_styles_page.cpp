// "Styles" of a text static: the static's own styles, its text output and alignment, the window
// and extended styles, with the live preview.
#include "editors/controls/static_option_rules.h"
#include "editors/controls/static_page.h"
#include "editors/controls/static_pages.h"

namespace zim {

namespace {

// Option ids 148 to 158 (the static's own styles), 113 to 115, 118 (window styles), 119 to 121
// (extended styles).

class TextStaticStylesPage : public StaticPage {
  public:
    explicit TextStaticStylesPage(ParametersFrame& frame)
        : StaticPage(frame, "ZIM Text Static Control Styles") {}

  private:
    LayoutBox previewBox(int width, int) const override { return {10, 32, leftWidth(width), 167}; }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const int left = leftWidth(width);
        const int rx = rightLeft(width), rw = rightWidth(width);
        const auto option = [](const LayoutBox& box) {
            return LayoutBox{box.left + 10, box.top + 18, box.width - 15, 18};
        };
        const LayoutBox own = {10, 204, left, 104};
        groups.add({" Text Static Control Styles : ", own, option(own), 20},
                   staticStyleRules(copy(), saved(), {153, 154, 155, 156}));
        const LayoutBox alignment = {10, 312, left, 84};
        groups.add({" Static Control Text Alignment : ", alignment, option(alignment), 20},
                   staticStyleRules(copy(), saved(), {148, 149, 150}));
        const LayoutBox output = {rx, 32, rw, 104};
        groups.add({" Static Control Text Output : ", output, option(output), 20},
                   staticStyleRules(copy(), saved(), {151, 152, 157, 158}));
        addWindowStyleGroups(groups, {rx, 140, rw, 102}, {rx, 246, rw, 84}, 20);
    }
};

} // namespace

std::unique_ptr<PageBase> makeTextStaticStylesPage(ParametersFrame& frame) {
    return std::make_unique<TextStaticStylesPage>(frame);
}

} // namespace zim
