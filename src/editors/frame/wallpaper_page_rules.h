// The wallpaper page: its page variables loaded from the Project, what each radio and grid
// button does to them, which radios are checked and which controls are enabled, the preview's
// pending wallpaper, and what "Save Parameters Values" checks and writes, in order. The page
// has no working copy: the Project changes only when Save succeeds.
#pragma once

#include <cstdint>
#include <string>

#include "editors/frame/editing_session.h"
#include "editors/frame/page_message.h"
#include "editors/frame/placement_codes.h"
#include "model/project.h"

namespace zim {

// The page's own controls that carry a rule; the size and placement controls, which the
// window-images page shares, are in placement_codes.h.
enum WallpaperControlId : int {
    immediatelyRadio = 10,
    animatedRadio = 11,
    selectNewColorButton = 12,
    imageAbsentRadio = 13,
    imagePresentRadio = 14,
    selectNewImageButton = 27,
};

// The page variables of the radios and the colour.
struct WallpaperChoices {
    bool animated = false;
    bool imagePresent = false;
    bool rectangleArea = false; // imageSizeMode 0; otherwise the image's own size (1)
    int32_t imagePlacement = 1;
    int32_t backgroundKind = 2;
    int32_t backgroundValue = 4;
};

// The number edits, as typed.
struct WallpaperTexts {
    std::string appearanceTime;
    std::string firstWindowDelay;
    std::string areaWidth;
    std::string areaHeight;
    std::string x;
    std::string y;
};

struct WallpaperPage {
    WallpaperChoices choices;
    WallpaperTexts texts;
};

// The page filled from the Project (on creation, after Restore and after Save).
WallpaperPage wallpaperPageContent(const Wallpaper& wallpaper);

// A radio or grid button pressed in edit state. " Animated" also removes the image; " Present"
// (when the image was absent) also switches the appearance to " Immediately". Returns whether
// a choice changed: the page then sets the checks and the enabling again and redraws the
// preview. Any other control changes nothing.
bool pressWallpaperControl(WallpaperChoices& choices, int controlId);

// The check marks of the plain radios, which the page sets itself, and the grid button shown
// pushed (18 to 26, or 0). A placement code that no control sets checks none of 30, 49, 50.
struct WallpaperChecks {
    bool immediately = false;
    bool animated = false;
    bool imageAbsent = false;
    bool imagePresent = false;
    bool imageDimensions = false;
    bool rectangleArea = false;
    bool wholeArea = false;
    bool predefinedPlacement = false;
    bool cornerCoordinates = false;
    int pushedPlacementButton = 0;
};

WallpaperChecks wallpaperChecks(const WallpaperChoices& choices);

// Which controls are enabled. In view state none. In edit state the appearance, delay,
// colour and presence controls always; the appearance time while animated; with an image, the
// size radios, the placement radios and grid, and "Select New Image"; the area width and
// height (edits and labels) with an image in rectangle mode; x and y with an image at code 10.
struct WallpaperEnabling {
    bool appearanceRadios = false;
    bool appearanceTime = false;
    bool firstWindowDelay = false;
    bool selectNewColor = false;
    bool presenceRadios = false;
    bool sizeRadios = false;
    bool areaSize = false;
    bool placementRadios = false;
    bool placementButtons = false;
    bool cornerCoordinates = false;
    bool selectNewImage = false;
};

WallpaperEnabling wallpaperEnabling(const WallpaperChoices& choices, EditorState state);

// "Select New Color": the title of the system-colour and stock-brush dialogs, and the message
// when the chosen dialog or the colour picker is cancelled.
constexpr const char* backgroundColorDialogTitle = "Select new background color";
PageMessage wallpaperColorCancelled();

// The wallpaper as the preview draws it before Save: the stored record with the page's
// choices and every number field that Save would write and that holds a number.
Wallpaper pendingWallpaper(const Wallpaper& stored, const WallpaperPage& page);

enum class WallpaperField { none, appearanceTime, firstWindowDelay, areaWidth, areaHeight, x, y };

struct WallpaperSave {
    PageMessage refusal; // caption "Error", stop icon, owned by the parameters window
    WallpaperField focus = WallpaperField::none; // the field to put the focus into

    bool saved() const { return focus == WallpaperField::none; }
};

// Save checks the number fields that are in use, in this order, and stops at the first one
// that is empty or holds no whole number: the appearance time (while animated; not negative),
// the time delay (not negative), the area width and height (with an image in rectangle
// mode), x and y (with an image at code 10). When all pass it writes those fields and the
// placement, background kind, presence, appearance, size mode and background value. A field
// that is not in use is neither checked nor written: its edit is disabled, so a refusal could
// not be corrected there, and its text was never checked. A refusal writes nothing. The page
// then reloads, enters view state and rebuilds the structure tree.
WallpaperSave saveWallpaperPage(Wallpaper& wallpaper, const WallpaperPage& page);

} // namespace zim
