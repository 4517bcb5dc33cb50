#include "live/image_drawing.h"

#include "model/text_field.h"

namespace zim {

namespace {

PixelRect areaOf(const int32_t (&area)[4]) {
    return {area[0], area[1], area[2], area[3]};
}

void storeArea(const PixelRect& r, int32_t (&area)[4]) {
    area[0] = r.left;
    area[1] = r.top;
    area[2] = r.right;
    area[3] = r.bottom;
}

} // namespace

ImageDrawing drawingOf(const Wallpaper& wallpaper) {
    ImageDrawing d;
    d.bitmapName = shown(wallpaper.imageFile);
    d.fromResource = wallpaper.imageFromResource != 0;
    d.placement = wallpaper.imagePlacement;
    d.useImageSize = wallpaper.imageSizeMode != 0;
    d.areaSize = {wallpaper.imageAreaWidth, wallpaper.imageAreaHeight};
    d.corner = {wallpaper.imageX, wallpaper.imageY};
    d.fill = wallpaper.imageFill;
    d.transparent = wallpaper.drawingScheme == 1;
    d.transparentColour = wallpaper.transparentColour;
    d.framed = wallpaper.frameMode == 1;
    d.frameColour = wallpaper.frameColour;
    d.frameBorder = {wallpaper.frameWidth, wallpaper.frameHeight};
    d.drawingArea = areaOf(wallpaper.drawingArea);
    return d;
}

ImageDrawing drawingOf(const BackgroundImage& image) {
    ImageDrawing d;
    d.bitmapName = shown(image.fileName);
    d.fromResource = image.imageFromResource != 0;
    d.placement = image.placement;
    d.useImageSize = image.useImageSize != 0;
    d.areaSize = {image.rectWidth, image.rectHeight};
    d.corner = {image.x, image.y};
    d.fill = image.imageFill;
    d.transparent = image.drawingScheme == 1;
    d.transparentColour = image.transparentColour;
    d.framed = image.frameMode == 1;
    d.frameColour = image.frameColour;
    d.frameBorder = {image.frameWidth, image.frameHeight};
    d.drawingArea = areaOf(image.drawingArea);
    return d;
}

void storeDrawingArea(const PixelRect& area, Wallpaper& wallpaper) {
    storeArea(area, wallpaper.drawingArea);
}

void storeDrawingArea(const PixelRect& area, BackgroundImage& image) {
    storeArea(area, image.drawingArea);
}

} // namespace zim
