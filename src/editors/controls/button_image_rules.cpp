#include "editors/controls/button_image_rules.h"

#include "editors/controls/button_style_entries.h"

namespace zim {

namespace {

constexpr int32_t iconImage = 1;
constexpr int32_t bitmapImage = 2;

} // namespace

std::array<ChoiceRadio, 2> buttonImageTypeRadios(const ButtonControl& button) {
    return {{{bitmapButtonRadio, " Button with bitmap", hasButtonStyle(button, "BS_BITMAP"), true},
             {iconButtonRadio, " Button with icon", hasButtonStyle(button, "BS_ICON"), true}}};
}

bool chooseButtonImageType(ButtonControl& button, int radioId) {
    if (radioId != bitmapButtonRadio && radioId != iconButtonRadio)
        return false;
    const bool icon = radioId == iconButtonRadio;
    const ButtonControl before = button;
    buttonStyle(button, "BS_ICON") = icon ? 1 : 0;
    buttonStyle(button, "BS_BITMAP") = icon ? 0 : 1;
    button.imageKind = icon ? iconImage : bitmapImage;
    return hasButtonStyle(button, "BS_ICON") != hasButtonStyle(before, "BS_ICON") ||
           hasButtonStyle(button, "BS_BITMAP") != hasButtonStyle(before, "BS_BITMAP") ||
           button.imageKind != before.imageKind;
}

ControlImageType buttonImageType(const ButtonControl& button) {
    return hasButtonStyle(button, "BS_ICON") ? ControlImageType::icon : ControlImageType::bitmap;
}

PreviewImage buttonPreviewImage(const ButtonControl& button) {
    return previewImage(buttonImageType(button), button.standardImage,
                        std::string_view(button.imageName, sizeof button.imageName));
}

FileFailures copyMissingButtonTemplates(const ListFolders& folders, const ButtonControl& button) {
    return copyMissingTemplateImages(folders, ImageOwner::button,
                                     std::string_view(button.imageName, sizeof button.imageName));
}

ImageSelection selectNewButtonImage(ButtonControl& button,
                                    const std::filesystem::path& projectFolder,
                                    ImageSelectionPrompts& prompts) {
    return selectNewImage(ImageOwner::button, buttonImageType(button), button.standardImage,
                          std::string_view(button.imageName, sizeof button.imageName),
                          projectFolder, prompts);
}

} // namespace zim
