// The image of an image static (kind 2): its type radios (168, 169), which keep SS_BITMAP,
// SS_ICON and imageKind in step, the image its preview shows, its files, the texts of its
// "Background Image" tab and the size it takes when the system fits it to its image.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "editors/controls/choice_radio.h"
#include "editors/controls/control_image_rules.h"
#include "editors/controls/image_selection.h"
#include "model/project.h"

namespace zim {

enum StaticImageTypeRadioId : int { bitmapStaticRadio = 168, iconStaticRadio = 169 };

// The option " Control will be resized to fit the image" (SS_REALSIZEIMAGE).
constexpr int fitToImageOption = 172;

// " Static control with bitmap" checked when SS_BITMAP is set, " Static control with icon"
// when SS_ICON is.
std::array<ChoiceRadio, 2> staticImageTypeRadios(const StaticControl& copy);

// An image type radio was clicked: a bitmap static has SS_BITMAP, not SS_ICON, and imageKind 2;
// an icon static SS_ICON, not SS_BITMAP, and imageKind 1. standardImage stays. Returns whether
// the copy changed; another id changes nothing.
bool chooseStaticImageType(StaticControl& copy, int radioId);

// An icon static when SS_ICON is set, a bitmap static otherwise.
ControlImageType staticImageType(const StaticControl& copy);

// The image the static's preview shows: a standard icon for an icon static whose standardImage
// is 1 to 6, else the static's own file.
PreviewImage staticPreviewImage(const StaticControl& copy);

// The template images the image static's pages make when missing.
FileFailures copyMissingStaticTemplates(const ListFolders& folders, const StaticControl& copy);

// "Select New Background Image" for the static.
ImageSelection selectNewStaticImage(StaticControl& copy, const std::filesystem::path& projectFolder,
                                    ImageSelectionPrompts& prompts);

// The texts after "Current image - ", "Image dimensions - " and "Control dimensions - ".
struct BackgroundImageTexts {
    std::string currentImage;      // "bitmap" or "icon"
    std::string imageDimensions;   // the measured image size
    std::string controlDimensions; // width and height of the copy
};
BackgroundImageTexts backgroundImageTexts(const StaticControl& copy, ImageSize image);

// After an option was pressed and the preview rebuilt: when it was " Control will be resized
// to fit the image" and SS_REALSIZEIMAGE is now set, the copy takes the size the system gave
// the preview static (read back from its window). A size that is not positive is no size.
// Returns whether width or height changed, so the page refreshes its edits.
bool takeFittedPreviewSize(StaticControl& copy, int optionId, ImageSize previewSize);

} // namespace zim
