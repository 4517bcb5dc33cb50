// "Standard Parameters" of a simple-graphics static: its type, description, window and extended
// styles, position and size, with the live preview.
#include "editors/controls/static_option_rules.h"
#include "editors/controls/static_page.h"
#include "editors/controls/static_pages.h"

namespace zim {

namespace {

// Controls: type radios 159 to 167, descriptionEdit 97, style options 113 to 115, 118 to
// 121, edits 98 to 101, preview-mode button 95.

class GraphicsStaticBasicPage : public StaticPage {
  public:
    explicit GraphicsStaticBasicPage(ParametersFrame& frame)
        : StaticPage(frame, "ZIM Simple Graphics Static Control - Basic Parameters") {}

  private:
    LayoutBox previewBox(int width, int) const override { return {10, 32, leftWidth(width), 171}; }

    std::vector<ControlDescription> ownControls(int width, int) const override {
        const int rx = rightLeft(width), rw = rightWidth(width);
        std::vector<ControlDescription> rows = descriptionRows({rx, 28, rw, 72});
        for (const ControlDescription& row : placeRows({rx, 304, rw, 63}))
            rows.push_back(row);
        return rows;
    }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const LayoutBox types = {10, 206, leftWidth(width), 196};
        groups.add({" Simple Graphics Static Control Types : ",
                    types,
                    {types.left + 10, types.top + 17, types.width - 15, 18},
                    19},
                   graphicsTypeRules(copy()));
        const int rx = rightLeft(width), rw = rightWidth(width);
        addWindowStyleGroups(groups, {rx, 102, rw, 112}, {rx, 216, rw, 86}, 20);
    }

    void loadOwnControls() override { loadFields(); }

    void onOwnCommand(int id, int code, HWND) override { onFieldCommand(id, code); }
};

} // namespace

std::unique_ptr<PageBase> makeGraphicsStaticBasicPage(ParametersFrame& frame) {
    return std::make_unique<GraphicsStaticBasicPage>(frame);
}

} // namespace zim
