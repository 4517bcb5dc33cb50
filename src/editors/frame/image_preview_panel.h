// The image preview panel ("WizardPreviewWindowClass") that the wallpaper, background-image and
// window pages host. It keeps a picture of its whole client area in a memory bitmap and copies
// it on every paint; the picture is made again when the panel is created and on command 1.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "live/image_drawing.h"
#include "shell/layout_box.h"

namespace zim {

// What the hosting page shows: its image, if present, over its background.
struct PreviewImage {
    bool present = false;
    std::string bitmapName;      // the bitmap file without ".bmp", in the current directory
    HBRUSH background = nullptr; // the page's background brush (the page keeps it); white if 0
    // When set, the bitmap is drawn as this says (fill, transparent colour, frame) with the
    // whole panel as its drawing area, so that those choices show; otherwise it is fitted in.
    std::optional<ImageDrawing> drawing = std::nullopt;
    // When not empty (with `drawing`), the panel shows this whole area (the screen) shrunk:
    // its background with the image's drawing area placed in it as the running program does.
    PixelSize outerArea = {};
};

// Asked for the page's image each time the panel draws its picture.
using PreviewImageSource = std::function<PreviewImage()>;

// The command that makes the panel draw its picture again.
constexpr int redrawPreviewCommand = 1;

// Creates the panel as a child of `parent` on `box`; returns 0 when it could not be created.
HWND createImagePreviewPanel(HWND parent, const LayoutBox& box, PreviewImageSource source);

// Draws the picture again from the source (command 1).
void redrawImagePreview(HWND panel);

} // namespace zim
