// "Standard Parameters" of an image button: bitmap or icon, description, tooltip, position and
// size, with the live preview of the button and its image. Building the page gives the button
// its image files from the templates where they are missing.
#include "editors/controls/button_image_rules.h"
#include "editors/controls/button_option_rules.h"
#include "editors/controls/button_page.h"
#include "editors/controls/button_pages.h"
#include "model/program_state.h"

namespace zim {

namespace {

// Controls: image type radios 129 and 130, descriptionEdit 97, tooltip radios 90 and 91, edits
// 98 to 101, previewModeButton 95.

class ImageButtonBasicPage : public ButtonPage {
  public:
    explicit ImageButtonBasicPage(ParametersFrame& frame)
        : ButtonPage(frame, "ZIM Owner-Drawn ( by Windows ) Button - Basic Properties") {
        // A failed copy shows as a preview without an image; the files are not the user's.
        copyMissingButtonTemplates({projectDirectory, programDirectory / templatesFolder}, copy());
    }

  private:
    LayoutBox previewBox(int, int height) const override { return imagePreviewBox(height); }

    std::vector<ControlDescription> ownControls(int width, int height) const override {
        const int right = width - 330;
        std::vector<ControlDescription> rows = {imagePreviewGroup(height)};
        for (const ControlDescription& row : descriptionRows({320, 84, right, 150}))
            rows.push_back(row);
        for (const ControlDescription& row : placeRows({320, 283, right, 75}))
            rows.push_back(row);
        return rows;
    }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const int right = width - 330;
        groups.add({" Button Type ", {320, 32, right, 50}, {340, 54, 170, 20}, 0, 180},
                   buttonImageTypeRules(copy()));
        addTooltipGroup(groups, {320, 236, right, 45});
    }

    void loadOwnControls() override { loadFields(); }

    void onOwnCommand(int id, int code, HWND) override { onFieldCommand(id, code); }
};

} // namespace

std::unique_ptr<PageBase> makeImageButtonBasicPage(ParametersFrame& frame) {
    return std::make_unique<ImageButtonBasicPage>(frame);
}

} // namespace zim
