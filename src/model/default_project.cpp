#include "model/default_project.h"

#include <cstddef>
#include <cstring>

#include "model/project.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr int32_t black = 0x000000;
constexpr int32_t white = 0xFFFFFF;
constexpr int32_t yellow = 0x00FFFF; // red 255, green 255
constexpr int32_t green = 0x00FF00;

// Clears a record; each caller then sets every text field of the record, which blank-pads it.
template <class T> void zero(T& record) { std::memset(&record, 0, sizeof record); }

LogFont defaultControlFont() {
    LogFont font{};
    font.height = -13;
    font.weight = 400;     // FW_NORMAL
    font.charSet = 0;      // ANSI_CHARSET
    font.outPrecision = 3; // OUT_STROKE_PRECIS
    font.clipPrecision = 2; // CLIP_STROKE_PRECIS
    font.quality = 1;      // DRAFT_QUALITY
    font.pitchAndFamily = 0x22; // VARIABLE_PITCH | FF_SWISS
    std::strcpy(font.faceName, "Arial");
    return font;
}

void buildProgram(ProgramParameters& p) {
    zero(p);
    setText(p.version, "3.01");
    setText(p.applicationName, defaultProjectName);
    setText(p.designer, "Talvemark");
    setText(p.description, "Standard/default project - starting point for beginners. It could "
                           "serve as initial template for new applications.");
    setText(p.created, "01 December 2001");
    p.wallpaperPresent = 1;
    p.applicationType = 0;
    p.windowCount = 1;
}

void buildWallpaper(Wallpaper& wp) {
    zero(wp);
    wp.firstWindowDelay = 200;
    wp.appearanceTime = 500;
    wp.backgroundKind = 2;
    wp.backgroundValue = 4; // COLOR_BACKGROUND
    wp.imagePresent = 1;
    wp.imagePlacement = 1;
    wp.imageSizeMode = 1;
    wp.imageAreaWidth = 100;
    wp.imageAreaHeight = 100;
    setText(wp.iconFile, "ZIM_W");
    setText(wp.smallIconFile, "ZIM_W");
    wp.imageFill = 1;
    wp.transparentColour = white;
    wp.frameWidth = 2;
    wp.frameHeight = 2;
    wp.frameMode = 1;
    wp.drawingArea[0] = 100;
    wp.drawingArea[1] = 100;
    wp.drawingArea[2] = 500;
    wp.drawingArea[3] = 500;
    wp.frameColour = yellow;
    setText(wp.imageFile, "Wallpaper");
}

// Window 1's own fields, named for window `number`; its image, button and static arrays are
// filled separately.
void buildWindow(AppWindow& w, int number) {
    std::memset(&w, 0, offsetof(AppWindow, images));
    setText(w.title, "First Application Window");
    w.hasOwner = 1;
    w.ownerWindow = 0;
    w.kind = 0;
    w.animate = 1;
    w.appearanceTime = 500;
    w.sizeMode = 0;
    w.width = 300;
    w.height = 200;
    w.x = 50;
    w.y = 100;
    w.placementMode = 0;
    w.placement = 4;
    w.backgroundKind = 2;
    w.backgroundValue = 4;
    w.iconSource = 1;
    setText(w.iconName, windowFileName(number));
    w.smallIconSource = 1;
    setText(w.smallIconName, windowFileName(number) + smallIconSuffix);
    w.cursorSource = 2;
    setText(w.cursorName, windowFileName(number));
    chooseStyles(w.classStyles, classStyleList,
                 {"CS_HREDRAW", "CS_OWNDC", "CS_SAVEBITS", "CS_VREDRAW"});
    chooseStyles(w.windowStyles, windowStyleList,
                 {"WS_CAPTION", "WS_CLIPSIBLINGS", "WS_SYSMENU", "WS_VISIBLE"});
    chooseStyles(w.extendedStyles, extendedStyleList, {"WS_EX_CLIENTEDGE", "WS_EX_STATICEDGE"});
    chooseStyles(w.dialogStyles, dialogStyleList, {"DS_3DLOOK", "DS_SETFONT"});
    setText(w.fontFace, "Arial");
    w.fontSize = 16;
    w.imageCount = 0;
    w.buttonCount = 1;
    w.staticCount = 1;
}

void buildButton(ButtonControl& b, int w, int position) {
    zero(b);
    setText(b.description, "Default window button. Purpose - start calculations...");
    setCaption(b.text, "Start");
    b.windowNumber = w;
    b.kind = 0;
    b.width = 50;
    b.height = 35;
    b.x = 10;
    b.y = 10;
    b.reserved2 = 2;
    b.reserved3 = 4;
    b.reservedRect[0] = 10;
    b.reservedRect[2] = 40;
    b.reservedRect[3] = 20;
    b.textColour = black;
    b.imageKind = 2;
    b.standardImage = 0;
    setText(b.imageName, buttonImageName(w, position));
    setText(b.imageNameDown, buttonImageName(w, position) + pushedImageSuffix);
    setText(b.imageNameDisabled, buttonImageName(w, position) + disabledImageSuffix);
    chooseStyles(b.windowStyles, windowStyleList, {"WS_CHILD", "WS_TABSTOP", "WS_VISIBLE"});
    chooseStyles(b.buttonStyles, buttonStyleList, {"BS_PUSHBUTTON", "BS_CENTER", "BS_VCENTER"});
    b.customFont = 0;
    b.font = defaultControlFont();
    b.descriptionAsTooltip = 1;
    b.controlId = position;
    b.action = 0;
}

void buildStatic(StaticControl& s, int w, int position) {
    zero(s);
    setText(s.description, "Standard Text Static Control...");
    setText(s.text, "Text Static Control");
    s.windowNumber = w;
    s.kind = 0;
    s.width = 190;
    s.height = 25;
    s.x = 20;
    s.y = 20;
    s.customColours = 0;
    s.backgroundKind = 1;
    s.backgroundValue = green;
    s.opaque = 0;
    s.reservedRect[0] = 10;
    s.reservedRect[2] = 40;
    s.reservedRect[3] = 20;
    s.textColour = black;
    s.imageKind = 0;
    s.standardImage = 1;
    setText(s.imageName, staticImageName(w, position));
    chooseStyles(s.windowStyles, windowStyleList, {"WS_CHILD", "WS_VISIBLE"});
    chooseStyles(s.staticStyles, staticStyleList, {"SS_CENTER"});
    s.customFont = 0;
    s.font = defaultControlFont();
    s.descriptionAsTooltip = 0;
}

// Image 1 is not in use, but carries the area size a first image starts from.
void markFirstImageArea(BackgroundImage& first) {
    first.placement = 0;
    first.useImageSize = 0;
    first.rectWidth = 150;
    first.rectHeight = 100;
    first.x = 0;
    first.y = 0;
}

} // namespace

void buildDefaultProject() {
    Project& p = project();
    buildProgram(p.program);
    buildWallpaper(p.wallpaper);
    buildWindow(window(1), 1);
    markFirstImageArea(image(1, 1));
    buildButton(button(1, 1), 1, 1);
    buildStatic(staticControl(1, 1), 1, 1);
}

void buildNewWindow(AppWindow& record, int w) {
    std::memset(&record, 0, sizeof record);
    buildWindow(record, w);
    markFirstImageArea(record.images[0]);
    buildButton(record.buttons[0], w, 1);
    buildStatic(record.statics[0], w, 1);
}

void buildNewButton(ButtonControl& record, int w, int b) {
    buildButton(record, w, b);
}

void buildNewStatic(StaticControl& record, int w, int s) {
    buildStatic(record, w, s);
    setCaption(record.text, "Text Static Control"); // a new static's caption ends in a NUL
}

void resetBackgroundImage(BackgroundImage& record, int w, std::string_view fileName) {
    record.windowNumber = w;
    record.imageHandleSlot = 0;
    record.imageFromResource = 0;
    record.imageFill = 3;
    record.drawingScheme = 0;
    record.memoryDCSlot = 0;
    record.transparentColour = white;
    record.bitmapWidth = 0;
    record.bitmapHeight = 0;
    record.frameWidth = 2;
    record.frameHeight = 2;
    record.frameMode = 0;
    record.drawingArea[0] = 100;
    record.drawingArea[1] = 100;
    record.drawingArea[2] = 500;
    record.drawingArea[3] = 500;
    record.frameColour = yellow;
    setText(record.fileName, fileName);
}

void buildNewBackgroundImage(BackgroundImage& record, const AppWindow& holder, int w, int i) {
    record.placement = 0;
    record.useImageSize = 1;
    record.rectWidth = holder.width / 2;
    record.rectHeight = holder.height / 2;
    record.x = 0;
    record.y = 0;
    resetBackgroundImage(record, w, backgroundImageName(w, i));
}

} // namespace zim
