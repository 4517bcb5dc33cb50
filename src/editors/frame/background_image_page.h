// The background-image page, built straight into the parameters window: how one bitmap is
// loaded and drawn inside its drawing area (file or resource, fill, drawing scheme and
// transparent colour, frame), with the bitmap's file name, size and colour resolution, the
// drawing area and the image preview. It edits an EditedImage, so the same page serves the
// wallpaper's image and every background image of a window. Its rules are those of
// background_image_page_rules.h.
#pragma once

#include <memory>

#include "editors/frame/edited_image.h"
#include "editors/frame/object_editor.h"

namespace zim {

class ParametersFrame;

// The page on `image`, a record of the Project that lives as long as the frame.
std::unique_ptr<ObjectEditor> makeBackgroundImagePage(ParametersFrame& frame, EditedImage image);

} // namespace zim
