// The wallpaper page, built straight into the parameters window when the wallpaper is
// selected: its appearance and timing, the background colour with its sample, whether it shows
// an image, the image area and its placement, the image preview and "Select New Image". Its
// rules are those of wallpaper_page_rules.h and wallpaper_image.h; the page moves data between
// its controls and the Project and applies what the rules return.
#pragma once

#include <memory>

#include "editors/frame/object_editor.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<ObjectEditor> makeWallpaperPage(ParametersFrame& frame);

} // namespace zim
