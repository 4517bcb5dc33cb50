// The "Background Images" page of a window: the list of the window's images with a preview and
// the bitmap's dimensions, colour resolution and file size, the commands that add, replace,
// delete and reorder images (each changes the Project and the image files at once, through
// image_list_operations.h), and the selected image's area and position, which change only
// through Edit / Save. Adding and deleting change the structure tree, which is built again
// with this page shown anew on the window. How an image is drawn inside its area is edited on
// the background-image page, which the tree opens for the image.
#pragma once

#include <memory>

#include "editors/frame/page_base.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<PageBase> makeWindowImagesPage(ParametersFrame& frame);

} // namespace zim
