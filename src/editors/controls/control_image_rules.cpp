#include "editors/controls/control_image_rules.h"

#include "model/style_lists.h"

namespace zim {

namespace {

constexpr int32_t iconImageKind = 1;
constexpr int32_t bitmapImageKind = 2;

} // namespace

PreviewImage previewImage(ControlImageType type, int32_t standardImage,
                          std::string_view imageNameField) {
    PreviewImage image;
    if (type == ControlImageType::icon && standardImage >= 1 &&
        standardImage <= standardIconList.count)
        image.standardIcon = standardIconList[standardImage].value;
    else
        image.fileName = imageFileName(imageNameField, type);
    return image;
}

bool setImageType(ControlImageType type, int32_t& bitmapEntry, int32_t& iconEntry,
                  int32_t& imageKind) {
    const bool icon = type == ControlImageType::icon;
    const int32_t wanted[] = {icon ? 0 : 1, icon ? 1 : 0, icon ? iconImageKind : bitmapImageKind};
    int32_t* fields[] = {&bitmapEntry, &iconEntry, &imageKind};
    bool changed = false;
    for (int i = 0; i < 3; ++i) {
        changed = changed || *fields[i] != wanted[i];
        *fields[i] = wanted[i];
    }
    return changed;
}

const char* imageTypeText(ControlImageType type) {
    return type == ControlImageType::icon ? "icon" : "bitmap";
}

std::string dimensionsText(int width, int height) {
    return std::to_string(width) + "(width) x " + std::to_string(height) + "(height)";
}

bool applyImageSizeCommand(int commandId, ImageSize image, int32_t& width, int32_t& height) {
    const bool takesWidth =
        commandId == sizeEqualToImageCommand || commandId == widthEqualToImageCommand;
    const bool takesHeight =
        commandId == sizeEqualToImageCommand || commandId == heightEqualToImageCommand;
    if (image.width <= 0 || image.height <= 0 || !(takesWidth || takesHeight))
        return false;
    const int32_t before[] = {width, height};
    if (takesWidth)
        width = image.width;
    if (takesHeight)
        height = image.height;
    return width != before[0] || height != before[1];
}

} // namespace zim
