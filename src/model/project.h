// The one Project of the process: the whole design of one generated application, in static
// storage of fixed capacity. Records are addressed by 1-based numbers.
//
// ButtonControl, StaticControl and BackgroundImage are stored in the project file as whole
// records, so their layouts are fixed byte for byte; the runtime library of generated
// programs reads them back from its embedded copy of the file.
#pragma once

#include <cstdint>

namespace zim {

constexpr int maxWindows = 100;
constexpr int maxImages = 10;
constexpr int maxButtons = 100;
constexpr int maxStatics = 100;

// Lengths of the style lists; a style set has one 0/1 flag per list entry.
constexpr int csCount = 11;
constexpr int wsCount = 27;
constexpr int wsExCount = 26;
constexpr int dsCount = 14;
constexpr int bsCount = 25;
constexpr int ssCount = 28;

// A Win32 LOGFONTA, kept free of <windows.h>: five 32-bit fields, eight bytes, the face name.
struct LogFont {
    int32_t height;
    int32_t width;
    int32_t escapement;
    int32_t orientation;
    int32_t weight;
    uint8_t italic;
    uint8_t underline;
    uint8_t strikeOut;
    uint8_t charSet;
    uint8_t outPrecision;
    uint8_t clipPrecision;
    uint8_t quality;
    uint8_t pitchAndFamily;
    char faceName[32];
};
static_assert(sizeof(LogFont) == 60, "LogFont must match LOGFONTA");

struct ProgramParameters {
    char version[8];
    char applicationName[100];
    char designer[100];
    char description[260];
    char created[40];
    int32_t wallpaperPresent;
    int32_t applicationType; // 0 classic application, 1 dialog-based application
    int32_t windowCount;
};

struct Wallpaper {
    int32_t hwnd; // live slot
    int32_t firstWindowDelay;
    int32_t reserved1;
    int32_t reserved2;
    int32_t animate;
    int32_t appearanceTime;
    int32_t backgroundKind;
    int32_t backgroundValue;
    int32_t imagePresent;
    int32_t imagePlacement;
    int32_t imageSizeMode;
    int32_t imageX;
    int32_t imageY;
    int32_t imageAreaWidth;
    int32_t imageAreaHeight;
    int32_t oldBitmapSlot; // live slot
    int32_t bitmapSlot;    // live slot
    char iconFile[260];
    char smallIconFile[260];
    // The image block: the same layout as BackgroundImage from windowNumber on.
    int32_t imageOwner;
    int32_t imageHandleSlot; // live slot
    int32_t imageFromResource;
    int32_t imageFill;
    int32_t drawingScheme;
    int32_t memoryDCSlot; // live slot
    int32_t transparentColour;
    int32_t bitmapWidth;  // live slot
    int32_t bitmapHeight; // live slot
    int32_t frameWidth;
    int32_t frameHeight;
    int32_t frameMode;
    int32_t drawingArea[4];
    int32_t frameColour;
    char imageFile[260];
    uint8_t classRecord[48]; // not saved: the class registered for the preview
};

struct BackgroundImage {
    int32_t placement;
    int32_t useImageSize;
    int32_t rectWidth;
    int32_t rectHeight;
    int32_t x;
    int32_t y;
    int32_t windowNumber;
    int32_t imageHandleSlot; // live slot
    int32_t imageFromResource;
    int32_t imageFill;
    int32_t drawingScheme;
    int32_t memoryDCSlot; // live slot
    int32_t transparentColour;
    int32_t bitmapWidth;  // live slot
    int32_t bitmapHeight; // live slot
    int32_t frameWidth;
    int32_t frameHeight;
    int32_t frameMode;
    int32_t drawingArea[4];
    int32_t frameColour;
    char fileName[260];
};
static_assert(sizeof(BackgroundImage) == 352, "BackgroundImage is stored whole");

struct ButtonControl {
    char description[260];
    char text[260];
    int32_t hwnd; // live slot
    int32_t windowNumber;
    int32_t parentHwnd; // live slot
    int32_t kind;       // 0 classic, 1 image button, 2 drawn by the runtime, 3 drawn by user code
    int32_t reserved1;
    int32_t width;
    int32_t height;
    int32_t x;
    int32_t y;
    int32_t reserved2;
    int32_t reserved3;
    int32_t reservedRect[4];
    int32_t textColour;
    int32_t imageKind; // 1 icon, 2 bitmap, 0 none
    int32_t standardImage;
    int32_t checkState;
    int32_t imageHandle; // live slot
    int32_t imageData1[26];
    char imageName[260];
    int32_t imageData2[23];
    char imageNameDown[260];
    int32_t imageData3[23];
    char imageNameDisabled[260];
    int32_t windowStyles[wsCount];
    int32_t extendedStyles[wsExCount];
    int32_t buttonStyles[bsCount];
    int32_t customFont;
    LogFont font;
    int32_t fontHandle; // live slot
    int32_t descriptionAsTooltip;
    int32_t controlId;
    int32_t action; // 0 user subroutine, 1 close window, 2 close application, 3 new window
};
static_assert(sizeof(ButtonControl) == 2060, "ButtonControl is stored whole");

struct StaticControl {
    char description[260];
    char text[260];
    int32_t hwnd; // live slot
    int32_t windowNumber;
    int32_t parentHwnd; // live slot
    int32_t kind;       // 0 text, 1 simple graphics, 2 image, 3 owner-drawn
    int32_t reserved1;
    int32_t width;
    int32_t height;
    int32_t x;
    int32_t y;
    int32_t customColours;
    int32_t backgroundKind;
    int32_t backgroundValue;
    int32_t brushSlot; // live slot
    int32_t opaque;
    int32_t reservedRect[4];
    int32_t textColour;
    int32_t imageKind;
    int32_t standardImage;
    int32_t imageData[27];
    char imageName[260];
    int32_t windowStyles[wsCount];
    int32_t extendedStyles[wsExCount];
    int32_t staticStyles[ssCount];
    int32_t customFont;
    LogFont font;
    int32_t fontHandle; // live slot
    int32_t descriptionAsTooltip;
};
static_assert(sizeof(StaticControl) == 1368, "StaticControl is stored whole");

struct AppWindow {
    char title[120];
    int32_t hwnd; // live slot
    int32_t hasOwner;
    int32_t ownerWindow;
    int32_t ownerHwnd; // not saved
    int32_t actionSlot; // live slot
    int32_t kind;       // 0 standard window, 1 modeless dialog, 2 modal dialog
    int32_t animate;
    int32_t appearanceTime;
    int32_t sizeMode;
    int32_t width;
    int32_t height;
    int32_t x;
    int32_t y;
    int32_t placementMode;
    int32_t placement;
    // Class data.
    int32_t backgroundKind;
    int32_t backgroundValue;
    int32_t iconSource;
    char iconName[260];
    int32_t smallIconSource;
    char smallIconName[260];
    int32_t cursorSource;
    char cursorName[260];
    int32_t classStyles[csCount];
    uint8_t classRecord[48]; // not saved
    int32_t windowStyles[wsCount];
    int32_t extendedStyles[wsExCount];
    int32_t dialogStyles[dsCount];
    char fontFace[64];
    int32_t fontSize;
    int32_t previewSlots[3]; // not saved
    int32_t imageCount;
    BackgroundImage images[maxImages];
    int32_t buttonCount;
    ButtonControl buttons[maxButtons];
    int32_t staticCount;
    StaticControl statics[maxStatics];
};

struct Project {
    ProgramParameters program;
    Wallpaper wallpaper;
    AppWindow windows[maxWindows];
};

// The one Project of the process and its records by 1-based number. The accessors check the
// capacities in every build and stop the program (programmingError) on a number outside them;
// callers pass numbers within the counts.
Project& project();
AppWindow& window(int w);
ButtonControl& button(int w, int b);
StaticControl& staticControl(int w, int s);
BackgroundImage& image(int w, int i);

// What the parameter pages show; the codes are those of the structure tree.
enum ObjectKind : int32_t {
    objectProgram = 0,
    objectWallpaper = 1,
    objectBackgroundImage = 2,
    objectWindow = 3,
    objectDialog = 4,
    objectButton = 5,
    objectStatic = 6,
};

extern int32_t currentObjectKind;
extern int32_t currentWindow;
extern int32_t currentControl;
extern ButtonControl buttonWorkCopy;
extern StaticControl staticWorkCopy;

} // namespace zim
