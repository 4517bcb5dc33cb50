#include "editors/frame/edited_image.h"

#include "editors/frame/wallpaper_image.h"

namespace zim {

namespace {

constexpr int32_t standardScheme = 0;
constexpr int32_t transparentScheme = 1;
constexpr int32_t noFrame = 0;
constexpr int32_t frameAround = 1;

// Both records name their image fields alike.
template <class Record> void writeStyle(Record& r, const ImageStyle& s) {
    r.imageFromResource = s.fromResource ? 1 : 0;
    r.imageFill = s.fill;
    r.drawingScheme = s.transparent ? transparentScheme : standardScheme;
    r.transparentColour = s.transparentColour;
    r.frameMode = s.framed ? frameAround : noFrame;
    r.frameColour = s.frameColour;
    r.frameWidth = s.frameWidth;
    r.frameHeight = s.frameHeight;
}

bool inUse(int32_t number, int32_t count, int capacity) {
    return number >= 1 && number <= count && number <= capacity;
}

} // namespace

ImageDrawing EditedImage::drawing() const {
    return wallpaper_ ? drawingOf(*wallpaper_) : drawingOf(*image_);
}

ImageStyle EditedImage::style() const {
    const ImageDrawing d = drawing();
    ImageStyle s;
    s.fromResource = d.fromResource;
    s.fill = d.fill;
    s.transparent = d.transparent;
    s.transparentColour = d.transparentColour;
    s.framed = d.framed;
    s.frameColour = d.frameColour;
    s.frameWidth = d.frameBorder.width;
    s.frameHeight = d.frameBorder.height;
    return s;
}

void EditedImage::setStyle(const ImageStyle& style) {
    if (wallpaper_)
        writeStyle(*wallpaper_, style);
    else
        writeStyle(*image_, style);
}

std::string EditedImage::fileName() const {
    if (wallpaper_)
        return wallpaperImageFileName;
    return drawing().bitmapName + ".bmp";
}

std::optional<EditedImage> editedImageOf(Project& project, const ObjectSelection& selection) {
    if (selection.kind != objectBackgroundImage)
        return std::nullopt;
    if (selection.window == 0)
        return selection.control == 1 ? std::optional<EditedImage>(EditedImage(project.wallpaper))
                                      : std::nullopt;
    if (!inUse(selection.window, project.program.windowCount, maxWindows))
        return std::nullopt;
    AppWindow& window = project.windows[selection.window - 1];
    if (!inUse(selection.control, window.imageCount, maxImages))
        return std::nullopt;
    return EditedImage(window.images[selection.control - 1]);
}

} // namespace zim
