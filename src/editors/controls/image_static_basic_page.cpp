// "Standard Parameters" of an image static: bitmap or icon, the image styles, description,
// window and extended styles, position and size, with the live preview of the static and its
// image. Building the page gives the static its image files from the templates where they are
// missing.
#include "editors/controls/static_image_rules.h"
#include "editors/controls/static_option_rules.h"
#include "editors/controls/static_page.h"
#include "editors/controls/static_pages.h"
#include "editors/window/list_operation.h"
#include "model/program_state.h"

namespace zim {

namespace {

// Controls: type radios 168 and 169, image style options 170 to 173, 154, 156,
// descriptionEdit 97, window style options 113 to 115, 118 to 121, edits 98 to 101,
// preview-mode button 95.

class ImageStaticBasicPage : public StaticPage {
  public:
    explicit ImageStaticBasicPage(ParametersFrame& frame)
        : StaticPage(frame, "ZIM Image Static Control - Basic Parameters") {
        // A failed copy shows as a preview without an image; the files are not the user's.
        copyMissingStaticTemplates({projectDirectory, programDirectory / templatesFolder}, copy());
    }

  private:
    LayoutBox previewBox(int width, int) const override { return leftPreviewBox(width); }

    std::vector<ControlDescription> ownControls(int width, int) const override {
        return rightColumnFields(width);
    }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const int left = leftWidth(width);
        groups.add(
            {" Image Static Control Types : ", {10, 206, left, 62}, {20, 224, left - 20, 18}, 20},
            staticImageTypeRules(copy()));
        const LayoutBox styles = {10, 271, left, 148};
        groups.add({" Image Static Control Styles : ",
                    styles,
                    {styles.left + 10, styles.top + 18, styles.width - 15, 18},
                    21},
                   staticStyleRules(copy(), saved(), {170, 171, 172, 173, 154, 156}));
        addRightColumnStyleGroups(groups, width);
    }

    void loadOwnControls() override { loadFields(); }

    // A static the system fitted to its image takes the size it was given.
    void afterOptionChange(int id) override {
        const ImageSize fitted = staticPreview().staticSize();
        if (takeFittedPreviewSize(copy(), id, fitted)) {
            loadPlace();
            preview().rebuild();
        }
    }

    void onOwnCommand(int id, int code, HWND) override { onFieldCommand(id, code); }
};

} // namespace

std::unique_ptr<PageBase> makeImageStaticBasicPage(ParametersFrame& frame) {
    return std::make_unique<ImageStaticBasicPage>(frame);
}

} // namespace zim
