// The image that the background-image page edits: the wallpaper's image or one background
// image of a window. Both records hold the same image fields under the same names; the page
// reads them through the one drawing description (drawingOf) and writes its fields through
// setStyle, so it never needs to know which record it has.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "live/image_drawing.h"
#include "model/project.h"
#include "shell/object_code.h"

namespace zim {

// The fields of the background-image page: how the bitmap is loaded and drawn in its area.
struct ImageStyle {
    bool fromResource = false;
    int32_t fill = fillCentred;
    bool transparent = false; // the transparent drawing scheme
    int32_t transparentColour = 0;
    bool framed = false;
    int32_t frameColour = 0;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
};

inline bool operator==(const ImageStyle& a, const ImageStyle& b) {
    return a.fromResource == b.fromResource && a.fill == b.fill && a.transparent == b.transparent &&
           a.transparentColour == b.transparentColour && a.framed == b.framed &&
           a.frameColour == b.frameColour && a.frameWidth == b.frameWidth &&
           a.frameHeight == b.frameHeight;
}

class EditedImage {
  public:
    explicit EditedImage(Wallpaper& wallpaper) : wallpaper_(&wallpaper) {}
    explicit EditedImage(BackgroundImage& image) : image_(&image) {}

    bool isWallpaper() const { return wallpaper_ != nullptr; }
    ImageDrawing drawing() const;
    ImageStyle style() const;
    // Writes imageFromResource, imageFill, drawingScheme (0/1), transparentColour, frameMode
    // (0/1), frameColour, frameWidth and frameHeight; nothing else.
    void setStyle(const ImageStyle& style);

    // The bitmap's file in the project folder: "Wallpaper.bmp" for the wallpaper, whose image
    // always lies there; a window image's file name field with ".bmp".
    std::string fileName() const;

  private:
    Wallpaper* wallpaper_ = nullptr;
    BackgroundImage* image_ = nullptr;
};

// The image a structure-tree selection of kind 2 names: window 0, image 1 is the wallpaper's;
// otherwise the image of a window in use. Nothing for any other selection.
std::optional<EditedImage> editedImageOf(Project& project, const ObjectSelection& selection);

} // namespace zim
