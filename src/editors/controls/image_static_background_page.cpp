// "Background Image" of an image static: the preview, the kind and size of the image and of the
// static, a new image file or standard icon, and the three commands that give the static the
// size of its image. Building the page gives the static its image files from the templates
// where they are missing.
#include "editors/controls/page_image_prompts.h"
#include "editors/controls/static_image_rules.h"
#include "editors/controls/static_page.h"
#include "editors/controls/static_pages.h"
#include "editors/frame/parameters_frame.h"
#include "editors/window/list_operation.h"
#include "live/edit_windows.h"
#include "model/program_state.h"
#include "shell/control_toolkit.h"

namespace zim {

namespace {

enum ImageStaticBackgroundControl : int {
    selectStaticImageButton = 27,
    staticImageTypeBox = 194,
    staticImageSizeBox = 195,
    staticControlSizeBox = 193,
    // size commands 131 to 133 (ImageSizeCommandId)
};

class ImageStaticBackgroundPage : public StaticPage {
  public:
    explicit ImageStaticBackgroundPage(ParametersFrame& frame)
        : StaticPage(frame, "ZIM Image Static Control - Background Image") {
        copyMissingStaticTemplates({projectDirectory, programDirectory / templatesFolder}, copy());
    }

  private:
    LayoutBox previewBox(int width, int height) const override {
        return {10, 54, leftWidth(width), height - 64};
    }

    std::vector<ControlDescription> ownControls(int width, int) const override {
        const int rx = rightLeft(width), rw = rightWidth(width);
        const auto command = [rx, rw](const char* text, int top, int id) {
            return ControlDescription{"BUTTON", text, WS_TABSTOP, {rx + 10, top, rw - 20, 24}, id};
        };
        const auto label = [rx](const char* text, int top) {
            return ControlDescription{"STATIC", text, SS_RIGHT, {rx + 10, top + 2, 125, 18}};
        };
        const auto value = [rx, rw](int top, int id) {
            return ControlDescription{
                "STATIC", "", SS_CENTER | SS_SUNKEN, {rx + 140, top, rw - 150, 22}, id};
        };
        return {
            {"STATIC",
             " Current Static Control Preview ",
             SS_LEFT,
             {10, 34, leftWidth(width), 18},
             0,
             ControlFont::control},
            {"BUTTON", " Static Control Background Image ", BS_GROUPBOX, {rx, 32, rw, 244}},
            label("Current image - ", 54),
            value(54, staticImageTypeBox),
            label("Image dimensions - ", 80),
            value(80, staticImageSizeBox),
            label("Control dimensions - ", 106),
            value(106, staticControlSizeBox),
            command("Select New Background Image", 136, selectStaticImageButton),
            command("Set Static Control Dimensions Equal to Image Ones", 170,
                    sizeEqualToImageCommand),
            command("Set Static Control Height Equal to Image Height", 204,
                    heightEqualToImageCommand),
            command("Set Static Control Width Equal to Image Width", 238, widthEqualToImageCommand),
        };
    }

    void addOptionGroups(OptionGroups&, int, int) override {}

    void loadOwnControls() override { showImage(); }

    void showImage() {
        const BackgroundImageTexts texts =
            backgroundImageTexts(copy(), staticPreview().imageSize());
        setText(window(), staticImageTypeBox, texts.currentImage);
        setText(window(), staticImageSizeBox, texts.imageDimensions);
        setText(window(), staticControlSizeBox, texts.controlDimensions);
    }

    void onOwnCommand(int id, int code, HWND control) override {
        if (id == editWindowClosedCommand) {
            onFieldCommand(id, code);
            showImage();
            return;
        }
        if (code != BN_CLICKED)
            return;
        switch (id) {
        case selectStaticImageButton:
            selectImage(control);
            break;
        case sizeEqualToImageCommand:
        case heightEqualToImageCommand:
        case widthEqualToImageCommand:
            if (applyImageSizeCommand(id, staticPreview().imageSize(), copy().width,
                                      copy().height)) {
                showChange();
                showImage();
            }
            break;
        }
    }

    void selectImage(HWND anchor) {
        PageImagePrompts prompts(anchor, frame().menus().smallIcon);
        if (selectNewStaticImage(copy(), projectDirectory, prompts) == ImageSelection::unchanged)
            return;
        showChange();
        showImage();
    }
};

} // namespace

std::unique_ptr<PageBase> makeImageStaticBackgroundPage(ParametersFrame& frame) {
    return std::make_unique<ImageStaticBackgroundPage>(frame);
}

} // namespace zim
