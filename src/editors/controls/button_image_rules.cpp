#include "editors/controls/button_image_rules.h"

#include "editors/controls/control_style_entries.h"

namespace zim {

std::array<ChoiceRadio, 2> buttonImageTypeRadios(const ButtonControl& button) {
    return {{{bitmapButtonRadio, " Button with bitmap", hasButtonStyle(button, "BS_BITMAP"), true},
             {iconButtonRadio, " Button with icon", hasButtonStyle(button, "BS_ICON"), true}}};
}

bool chooseButtonImageType(ButtonControl& button, int radioId) {
    if (radioId != bitmapButtonRadio && radioId != iconButtonRadio)
        return false;
    const auto type =
        radioId == iconButtonRadio ? ControlImageType::icon : ControlImageType::bitmap;
    return setImageType(type, buttonStyle(button, "BS_BITMAP"), buttonStyle(button, "BS_ICON"),
                        button.imageKind);
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
