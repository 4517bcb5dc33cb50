// The image of an image button (kind 1): its type radios (129, 130), which keep BS_BITMAP,
// BS_ICON and imageKind in step, and the image its preview and its files are made of.
#pragma once

#include <array>
#include <filesystem>

#include "editors/controls/choice_radio.h"
#include "editors/controls/control_image_rules.h"
#include "editors/controls/image_selection.h"
#include "model/project.h"

namespace zim {

enum ImageTypeRadioId : int { bitmapButtonRadio = 129, iconButtonRadio = 130 };

// " Button with bitmap" checked when BS_BITMAP is set, " Button with icon" when BS_ICON is.
std::array<ChoiceRadio, 2> buttonImageTypeRadios(const ButtonControl& button);

// An image type radio was clicked: a bitmap button has BS_BITMAP, not BS_ICON, and imageKind
// 2; an icon button BS_ICON, not BS_BITMAP, and imageKind 1. standardImage stays, so an icon
// button turned into a bitmap and back keeps its standard icon. Returns whether the button
// changed; another id changes nothing.
bool chooseButtonImageType(ButtonControl& button, int radioId);

// An icon button when BS_ICON is set, a bitmap button otherwise.
ControlImageType buttonImageType(const ButtonControl& button);

// The image the button's preview shows.
PreviewImage buttonPreviewImage(const ButtonControl& button);

// The template images the button's basic page makes when missing.
FileFailures copyMissingButtonTemplates(const ListFolders& folders, const ButtonControl& button);

// "Select New Background Image" for the button.
ImageSelection selectNewButtonImage(ButtonControl& button,
                                    const std::filesystem::path& projectFolder,
                                    ImageSelectionPrompts& prompts);

} // namespace zim
