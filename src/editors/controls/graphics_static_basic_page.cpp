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
    LayoutBox previewBox(int width, int) const override { return leftPreviewBox(width); }

    std::vector<ControlDescription> ownControls(int width, int) const override {
        return rightColumnFields(width);
    }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const LayoutBox types = {10, 206, leftWidth(width), 196};
        groups.add({" Simple Graphics Static Control Types : ",
                    types,
                    {types.left + 10, types.top + 17, types.width - 15, 18},
                    19},
                   graphicsTypeRules(copy()));
        addRightColumnStyleGroups(groups, width);
    }

    void loadOwnControls() override { loadFields(); }

    void onOwnCommand(int id, int code, HWND) override { onFieldCommand(id, code); }
};

} // namespace

std::unique_ptr<PageBase> makeGraphicsStaticBasicPage(ParametersFrame& frame) {
    return std::make_unique<GraphicsStaticBasicPage>(frame);
}

} // namespace zim
