// What image buttons and image statics show of their image: the image a preview loads, the
// "Current image - " and "Image dimensions - " texts, and the three commands that give the
// control the size of its image.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editors/controls/control_image_files.h"

namespace zim {

// The image of a preview: a standard system icon (its IDI_ value, for LoadIconA with no
// instance), or else the file of that name in the project folder, loaded at its own size.
struct PreviewImage {
    uint32_t standardIcon = 0; // 0: from the file
    std::string fileName;
};

// An icon whose standardImage is 1 to 6 is that standard icon; any other icon, and every
// bitmap whatever its standardImage, is the control's own file.
PreviewImage previewImage(ControlImageType type, int32_t standardImage,
                          std::string_view imageNameField);

// Makes a control a bitmap (bitmap entry set, icon entry clear, imageKind 2) or an icon (icon
// entry set, bitmap entry clear, imageKind 1). The two entries are type values of the style
// word, so they are never left set together. Returns whether anything changed.
bool setImageType(ControlImageType type, int32_t& bitmapEntry, int32_t& iconEntry,
                  int32_t& imageKind);

// "bitmap" or "icon".
const char* imageTypeText(ControlImageType type);

struct ImageSize {
    int width = 0;
    int height = 0;
};

// "32(width) x 16(height)", as the dimension boxes show a size.
std::string dimensionsText(int width, int height);

enum ImageSizeCommandId : int {
    sizeEqualToImageCommand = 131,   // "Set ... Dimensions Equal to Image Ones"
    heightEqualToImageCommand = 132, // "Set ... Height Equal to Image Height"
    widthEqualToImageCommand = 133,  // "Set ... Width Equal to Image Width"
};

// A size command gives the control the image's width and height, or only one of them. With
// no image measured (a size that is not positive, as when the file could not be loaded) the
// control keeps its size. Returns whether width or height changed.
bool applyImageSizeCommand(int commandId, ImageSize image, int32_t& width, int32_t& height);

} // namespace zim
