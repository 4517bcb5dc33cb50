// The items of the project file in file order, written once for every direction: `io.item`
// moves one named field and `io.records` a run of whole records, so save, load and the dump
// of the inspection tool cannot drift apart.
// The program part and the window blocks differ from the in-memory field order in places;
// the order here is the one that binds.
#pragma once

#include "model/project.h"

namespace zim {

constexpr int64_t programPartSize = 1436;
constexpr int64_t windowFixedSize = 1368; // a window block without its records
constexpr int64_t windowHeadSize = 176;   // title .. imageCount
constexpr int64_t windowCountOffset = 516;
constexpr int64_t imageCountOffset = 172;     // inside a window block
constexpr int64_t buttonCountOffsetAfterImages = 1184; // from the end of the images

// The program part is the program parameters followed by the wallpaper.
template <class IO, class Program> void transferProgramFields(IO& io, Program& p) {
    io.item("version", p.version);
    io.item("applicationName", p.applicationName);
    io.item("designer", p.designer);
    io.item("description", p.description);
    io.item("created", p.created);
    io.item("wallpaperPresent", p.wallpaperPresent);
    io.item("applicationType", p.applicationType);
    io.item("windowCount", p.windowCount);
}

template <class IO, class Paper> void transferWallpaperFields(IO& io, Paper& wp) {
    io.item("hwnd", wp.hwnd);
    io.item("firstWindowDelay", wp.firstWindowDelay);
    io.item("reserved1", wp.reserved1);
    io.item("reserved2", wp.reserved2);
    io.item("animate", wp.animate);
    io.item("appearanceTime", wp.appearanceTime);
    io.item("backgroundKind", wp.backgroundKind);
    io.item("imagePlacement", wp.imagePlacement); // before imagePresent in the file
    io.item("imagePresent", wp.imagePresent);
    io.item("imageSizeMode", wp.imageSizeMode);
    io.item("imageX", wp.imageX);
    io.item("imageY", wp.imageY);
    io.item("imageAreaWidth", wp.imageAreaWidth);
    io.item("imageAreaHeight", wp.imageAreaHeight);
    io.item("backgroundValue", wp.backgroundValue); // after the image area in the file
    io.item("iconFile", wp.iconFile);
    io.item("smallIconFile", wp.smallIconFile);
    io.item("bitmapSlot", wp.bitmapSlot); // before oldBitmapSlot in the file
    io.item("oldBitmapSlot", wp.oldBitmapSlot);
    io.item("imageOwner", wp.imageOwner);
    io.item("imageHandleSlot", wp.imageHandleSlot);
    io.item("imageFromResource", wp.imageFromResource);
    io.item("imageFill", wp.imageFill);
    io.item("drawingScheme", wp.drawingScheme);
    io.item("memoryDCSlot", wp.memoryDCSlot);
    io.item("transparentColour", wp.transparentColour);
    io.item("bitmapWidth", wp.bitmapWidth);
    io.item("bitmapHeight", wp.bitmapHeight);
    io.item("frameWidth", wp.frameWidth);
    io.item("frameHeight", wp.frameHeight);
    io.item("frameMode", wp.frameMode);
    io.item("drawingArea", wp.drawingArea);
    io.item("frameColour", wp.frameColour);
    io.item("imageFile", wp.imageFile);
}

// Title .. imageCount: the 176 bytes before the background images.
template <class IO, class Window> void transferWindowHead(IO& io, Window& w) {
    io.item("title", w.title);
    io.item("hwnd", w.hwnd);
    io.item("actionSlot", w.actionSlot);
    io.item("hasOwner", w.hasOwner);
    io.item("ownerWindow", w.ownerWindow);
    io.item("kind", w.kind);
    io.item("animate", w.animate);
    io.item("appearanceTime", w.appearanceTime);
    io.item("sizeMode", w.sizeMode);
    io.item("placementMode", w.placementMode);
    io.item("x", w.x);
    io.item("y", w.y);
    io.item("width", w.width);
    io.item("height", w.height);
    io.item("imageCount", w.imageCount);
}

// Placement .. staticCount: the 1192 bytes between the images and the controls.
template <class IO, class Window> void transferWindowMiddle(IO& io, Window& w) {
    io.item("placement", w.placement);
    io.item("classStyles", w.classStyles);
    io.item("backgroundKind", w.backgroundKind);
    io.item("backgroundValue", w.backgroundValue);
    io.item("iconSource", w.iconSource);
    io.item("iconName", w.iconName);
    io.item("smallIconSource", w.smallIconSource);
    io.item("smallIconName", w.smallIconName);
    io.item("cursorSource", w.cursorSource);
    io.item("cursorName", w.cursorName);
    io.item("windowStyles", w.windowStyles);
    io.item("extendedStyles", w.extendedStyles);
    io.item("fontFace", w.fontFace);
    io.item("fontSize", w.fontSize);
    io.item("dialogStyles", w.dialogStyles);
    io.item("buttonCount", w.buttonCount);
    io.item("staticCount", w.staticCount);
}

// The whole file: program part, then each window block with its counted records. `io.count`
// vets each count as it is met and returns false to stop.
template <class IO, class P> bool transferProject(IO& io, P& p) {
    transferProgramFields(io, p.program);
    transferWallpaperFields(io, p.wallpaper);
    if (!io.count(p.program.windowCount, 1, maxWindows, "windows", 0))
        return false;
    for (int w = 1; w <= p.program.windowCount; ++w) {
        auto& win = p.windows[w - 1];
        transferWindowHead(io, win);
        if (!io.count(win.imageCount, 0, maxImages, "background images", w))
            return false;
        io.records(win.images, win.imageCount);
        transferWindowMiddle(io, win);
        if (!io.count(win.buttonCount, 0, maxButtons, "buttons", w) ||
            !io.count(win.staticCount, 0, maxStatics, "static controls", w))
            return false;
        io.records(win.buttons, win.buttonCount);
        io.records(win.statics, win.staticCount);
    }
    return true;
}

} // namespace zim
