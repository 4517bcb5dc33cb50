// "Misc. Parameters" of an image button: its image (type, size, a new file or standard icon and
// the three size commands), the initial state and the action, with the live preview.
#include "editors/controls/button_image_rules.h"
#include "editors/controls/button_option_rules.h"
#include "editors/controls/button_page.h"
#include "editors/controls/button_pages.h"
#include "editors/controls/page_image_prompts.h"
#include "editors/frame/parameters_frame.h"
#include "model/program_state.h"
#include "shell/control_toolkit.h"

namespace zim {

namespace {

enum ImageButtonMiscControl : int {
    selectImageButton = 27,
    imageTypeBox = 194,
    imageSizeBox = 195,
    // size commands 131 to 133 (ImageSizeCommandId), initial-state radios 135 to 137, action
    // radios 122 to 125
};

class ImageButtonMiscPage : public ButtonPage {
  public:
    explicit ImageButtonMiscPage(ParametersFrame& frame)
        : ButtonPage(frame, "ZIM Owner-Drawn ( by Windows ) Button Miscellaneous Parameters") {}

  private:
    LayoutBox previewBox(int, int height) const override { return imagePreviewBox(height); }

    std::vector<ControlDescription> ownControls(int width, int height) const override {
        const int right = width - 330;
        const auto command = [right](const char* text, int top, int id) {
            return ControlDescription{"BUTTON", text, WS_TABSTOP, {330, top, right - 20, 22}, id};
        };
        const auto label = [](const char* text, int top) {
            return ControlDescription{"STATIC", text, SS_RIGHT, {330, top + 2, 130, 18}};
        };
        const auto value = [right](int top, int id) {
            return ControlDescription{
                "STATIC", "", SS_CENTER | SS_SUNKEN, {465, top, right - 155, 22}, id};
        };
        return {
            imagePreviewGroup(height),
            {"BUTTON", " Button Background Image ", BS_GROUPBOX, {320, 32, right, 190}},
            label("Current image - ", 52),
            value(52, imageTypeBox),
            label("Image dimensions - ", 78),
            value(78, imageSizeBox),
            command("Select New Background Image", 106, selectImageButton),
            command("Set Button Dimensions Equal to Image Ones", 134, sizeEqualToImageCommand),
            command("Set Button Height Equal to Image Height", 162, heightEqualToImageCommand),
            command("Set Button Width Equal to Image Width", 190, widthEqualToImageCommand),
        };
    }

    void addOptionGroups(OptionGroups& groups, int width, int) override {
        const int right = width - 330;
        groups.add(
            {" Button Initial State : ", {320, 228, right, 78}, {330, 248, right - 20, 18}, 18},
            initialStateRules(copy()));
        groups.add({" Button Action : ", {320, 312, right, 96}, {350, 332, right - 40, 18}, 18},
                   actionRules(copy()));
    }

    void loadOwnControls() override { showImage(); }

    void showImage() {
        setText(window(), imageTypeBox, imageTypeText(buttonImageType(copy())));
        const ImageSize size = buttonPreview().imageSize();
        setText(window(), imageSizeBox, dimensionsText(size.width, size.height));
    }

    void onOwnCommand(int id, int code, HWND control) override {
        if (code != BN_CLICKED)
            return;
        switch (id) {
        case selectImageButton:
            selectImage(control);
            break;
        case sizeEqualToImageCommand:
        case heightEqualToImageCommand:
        case widthEqualToImageCommand:
            if (applyImageSizeCommand(id, buttonPreview().imageSize(), copy().width, copy().height))
                showChange();
            break;
        }
    }

    void selectImage(HWND anchor) {
        PageImagePrompts prompts(anchor, frame().menus().smallIcon);
        if (selectNewButtonImage(copy(), projectDirectory, prompts) == ImageSelection::unchanged)
            return;
        showChange();
        showImage();
    }
};

} // namespace

std::unique_ptr<PageBase> makeImageButtonMiscPage(ParametersFrame& frame) {
    return std::make_unique<ImageButtonMiscPage>(frame);
}

} // namespace zim
