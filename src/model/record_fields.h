// The fields of the records that the project file stores whole, in record order, by name.
// Used where a record is taken apart field by field (the inspection tool's dump).
#pragma once

#include "model/project.h"

namespace zim {

template <class IO, class Image> void visitImageFields(IO& io, Image& r) {
    io.item("placement", r.placement);
    io.item("useImageSize", r.useImageSize);
    io.item("rectWidth", r.rectWidth);
    io.item("rectHeight", r.rectHeight);
    io.item("x", r.x);
    io.item("y", r.y);
    io.item("windowNumber", r.windowNumber);
    io.item("imageHandleSlot", r.imageHandleSlot);
    io.item("imageFromResource", r.imageFromResource);
    io.item("imageFill", r.imageFill);
    io.item("drawingScheme", r.drawingScheme);
    io.item("memoryDCSlot", r.memoryDCSlot);
    io.item("transparentColour", r.transparentColour);
    io.item("bitmapWidth", r.bitmapWidth);
    io.item("bitmapHeight", r.bitmapHeight);
    io.item("frameWidth", r.frameWidth);
    io.item("frameHeight", r.frameHeight);
    io.item("frameMode", r.frameMode);
    io.item("drawingArea", r.drawingArea);
    io.item("frameColour", r.frameColour);
    io.item("fileName", r.fileName);
}

template <class IO, class Button> void visitButtonFields(IO& io, Button& r) {
    io.item("description", r.description);
    io.item("text", r.text);
    io.item("hwnd", r.hwnd);
    io.item("windowNumber", r.windowNumber);
    io.item("parentHwnd", r.parentHwnd);
    io.item("kind", r.kind);
    io.item("reserved1", r.reserved1);
    io.item("width", r.width);
    io.item("height", r.height);
    io.item("x", r.x);
    io.item("y", r.y);
    io.item("reserved2", r.reserved2);
    io.item("reserved3", r.reserved3);
    io.item("reservedRect", r.reservedRect);
    io.item("textColour", r.textColour);
    io.item("imageKind", r.imageKind);
    io.item("standardImage", r.standardImage);
    io.item("checkState", r.checkState);
    io.item("imageHandle", r.imageHandle);
    io.item("imageData1", r.imageData1);
    io.item("imageName", r.imageName);
    io.item("imageData2", r.imageData2);
    io.item("imageNameDown", r.imageNameDown);
    io.item("imageData3", r.imageData3);
    io.item("imageNameDisabled", r.imageNameDisabled);
    io.item("windowStyles", r.windowStyles);
    io.item("extendedStyles", r.extendedStyles);
    io.item("buttonStyles", r.buttonStyles);
    io.item("customFont", r.customFont);
    io.item("font", r.font);
    io.item("fontHandle", r.fontHandle);
    io.item("descriptionAsTooltip", r.descriptionAsTooltip);
    io.item("controlId", r.controlId);
    io.item("action", r.action);
}

template <class IO, class Static> void visitStaticFields(IO& io, Static& r) {
    io.item("description", r.description);
    io.item("text", r.text);
    io.item("hwnd", r.hwnd);
    io.item("windowNumber", r.windowNumber);
    io.item("parentHwnd", r.parentHwnd);
    io.item("kind", r.kind);
    io.item("reserved1", r.reserved1);
    io.item("width", r.width);
    io.item("height", r.height);
    io.item("x", r.x);
    io.item("y", r.y);
    io.item("customColours", r.customColours);
    io.item("backgroundKind", r.backgroundKind);
    io.item("backgroundValue", r.backgroundValue);
    io.item("brushSlot", r.brushSlot);
    io.item("opaque", r.opaque);
    io.item("reservedRect", r.reservedRect);
    io.item("textColour", r.textColour);
    io.item("imageKind", r.imageKind);
    io.item("standardImage", r.standardImage);
    io.item("imageData", r.imageData);
    io.item("imageName", r.imageName);
    io.item("windowStyles", r.windowStyles);
    io.item("extendedStyles", r.extendedStyles);
    io.item("staticStyles", r.staticStyles);
    io.item("customFont", r.customFont);
    io.item("font", r.font);
    io.item("fontHandle", r.fontHandle);
    io.item("descriptionAsTooltip", r.descriptionAsTooltip);
}

} // namespace zim
