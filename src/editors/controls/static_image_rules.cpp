#include "editors/controls/static_image_rules.h"

#include <string_view>

#include "editors/controls/control_style_entries.h"

namespace zim {

namespace {

std::string_view imageNameOf(const StaticControl& copy) {
    return std::string_view(copy.imageName, sizeof copy.imageName);
}

} // namespace

std::array<ChoiceRadio, 2> staticImageTypeRadios(const StaticControl& copy) {
    return {
        {{bitmapStaticRadio, " Static control with bitmap", hasStaticStyle(copy, "SS_BITMAP"),
          true},
         {iconStaticRadio, " Static control with icon", hasStaticStyle(copy, "SS_ICON"), true}}};
}

bool chooseStaticImageType(StaticControl& copy, int radioId) {
    if (radioId != bitmapStaticRadio && radioId != iconStaticRadio)
        return false;
    const auto type =
        radioId == iconStaticRadio ? ControlImageType::icon : ControlImageType::bitmap;
    return setImageType(type, staticStyle(copy, "SS_BITMAP"), staticStyle(copy, "SS_ICON"),
                        copy.imageKind);
}

ControlImageType staticImageType(const StaticControl& copy) {
    return hasStaticStyle(copy, "SS_ICON") ? ControlImageType::icon : ControlImageType::bitmap;
}

PreviewImage staticPreviewImage(const StaticControl& copy) {
    return previewImage(staticImageType(copy), copy.standardImage, imageNameOf(copy));
}

FileFailures copyMissingStaticTemplates(const ListFolders& folders, const StaticControl& copy) {
    return copyMissingTemplateImages(folders, ImageOwner::staticControl, imageNameOf(copy));
}

ImageSelection selectNewStaticImage(StaticControl& copy, const std::filesystem::path& projectFolder,
                                    ImageSelectionPrompts& prompts) {
    return selectNewImage(ImageOwner::staticControl, staticImageType(copy), copy.standardImage,
                          imageNameOf(copy), projectFolder, prompts);
}

BackgroundImageTexts backgroundImageTexts(const StaticControl& copy, ImageSize image) {
    return {imageTypeText(staticImageType(copy)), dimensionsText(image.width, image.height),
            dimensionsText(copy.width, copy.height)};
}

bool takeFittedPreviewSize(StaticControl& copy, int optionId, ImageSize previewSize) {
    if (optionId != fitToImageOption || !hasStaticStyle(copy, "SS_REALSIZEIMAGE") ||
        previewSize.width <= 0 || previewSize.height <= 0)
        return false;
    const bool changed = copy.width != previewSize.width || copy.height != previewSize.height;
    copy.width = previewSize.width;
    copy.height = previewSize.height;
    return changed;
}

} // namespace zim
