// The preview static of the static pages, rebuilt from the working copy after every change
// that shows: its style words, where it stands in the preview host, its text, whether it takes
// the copy's own font, and the image it shows. Its colours come from staticTextColours and the
// host's own background from previewBackground.
#pragma once

#include <optional>
#include <string>

#include "editors/controls/control_image_rules.h"
#include "editors/controls/control_preview_rules.h"
#include "model/project.h"

namespace zim {

struct StaticPreview {
    // WS_CHILD | WS_VISIBLE with every chosen static and window style; the extended styles.
    PreviewStyles styles;
    PreviewPlace place; // the copy's size centred in the host's client area
    std::string text;   // the caption of a text static as shown; empty for other kinds
    bool customFont;    // a text static with its own font: CreateFontIndirectA, WM_SETFONT
    // An image static's image (STM_SETIMAGE with IMAGE_ICON or IMAGE_BITMAP as imageType says).
    std::optional<PreviewImage> image;
    ControlImageType imageType;
};

// The preview of the copy in a host whose client area is hostWidth by hostHeight.
StaticPreview staticPreview(const StaticControl& copy, int hostWidth, int hostHeight);

} // namespace zim
