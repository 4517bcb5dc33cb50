#include "editors/frame/wallpaper_page_rules.h"

#include <array>

#include "editors/frame/number_field.h"
#include "live/image_drawing.h"

namespace zim {

namespace {

constexpr const char* errorCaption = "Error";
constexpr const char* cancelled = "Operation was canceled...";
constexpr const char* colourCaption = "New background color selection...";

constexpr NumberFieldMessages appearanceTimeMessages{
    "Fill the field for appearance time value, please...",
    "Check out the field for appearance time value, please..."};
constexpr NumberFieldMessages timeDelayMessages{
    "Fill the field for time delay value, please...",
    "Check out the field for time delay value, please..."};
constexpr NumberFieldMessages widthMessages{"Fill the field for width value, please...",
                                            "Check out the field for width value, please..."};
constexpr NumberFieldMessages heightMessages{"Fill the field for height value, please...",
                                             "Check out the field for height value, please..."};
constexpr NumberFieldMessages xMessages{"Fill the field for x_left value, please...",
                                        "Check out the field for x_left value, please..."};
constexpr NumberFieldMessages yMessages{"Fill the field for y_top value, please...",
                                        "Check out the field for y_top value, please..."};

constexpr int32_t sizeOfImage = 1;
constexpr int32_t sizeOfRectangle = 0;

bool isPredefined(int32_t code) {
    return code >= placeCentred && code <= placeMiddleLeft;
}

bool areaSizeInUse(const WallpaperChoices& c) {
    return c.imagePresent && c.rectangleArea;
}

bool cornerInUse(const WallpaperChoices& c) {
    return c.imagePresent && c.imagePlacement == placeMoved;
}

// One number field of the page: when Save checks it, what it says, and where it goes.
struct NumberFieldRule {
    WallpaperField field;
    bool inUse;
    const std::string& text;
    const NumberFieldMessages& messages;
    NumberSign sign;
    int32_t Wallpaper::*target;
};

// The number fields in the order Save checks them. Times are handed to the system as unsigned
// milliseconds, where a negative number would be an endless wait.
std::array<NumberFieldRule, 6> numberFields(const WallpaperPage& page) {
    const WallpaperChoices& c = page.choices;
    const WallpaperTexts& t = page.texts;
    return {{
        {WallpaperField::appearanceTime, c.animated, t.appearanceTime, appearanceTimeMessages,
         NumberSign::notNegative, &Wallpaper::appearanceTime},
        {WallpaperField::firstWindowDelay, true, t.firstWindowDelay, timeDelayMessages,
         NumberSign::notNegative, &Wallpaper::firstWindowDelay},
        {WallpaperField::areaWidth, areaSizeInUse(c), t.areaWidth, widthMessages, NumberSign::any,
         &Wallpaper::imageAreaWidth},
        {WallpaperField::areaHeight, areaSizeInUse(c), t.areaHeight, heightMessages,
         NumberSign::any, &Wallpaper::imageAreaHeight},
        {WallpaperField::x, cornerInUse(c), t.x, xMessages, NumberSign::any, &Wallpaper::imageX},
        {WallpaperField::y, cornerInUse(c), t.y, yMessages, NumberSign::any, &Wallpaper::imageY},
    }};
}

void writeChoices(Wallpaper& w, const WallpaperChoices& c) {
    w.imagePlacement = c.imagePlacement;
    w.backgroundKind = c.backgroundKind;
    w.imagePresent = c.imagePresent ? 1 : 0;
    w.animate = c.animated ? 1 : 0;
    w.imageSizeMode = c.rectangleArea ? sizeOfRectangle : sizeOfImage;
    w.backgroundValue = c.backgroundValue;
}

} // namespace

WallpaperPage wallpaperPageContent(const Wallpaper& w) {
    WallpaperPage page;
    WallpaperChoices& c = page.choices;
    c.animated = w.animate != 0;
    c.imagePresent = w.imagePresent != 0;
    c.rectangleArea = w.imageSizeMode == sizeOfRectangle;
    c.imagePlacement = w.imagePlacement;
    c.backgroundKind = w.backgroundKind;
    c.backgroundValue = w.backgroundValue;
    WallpaperTexts& t = page.texts;
    t.appearanceTime = std::to_string(w.appearanceTime);
    t.firstWindowDelay = std::to_string(w.firstWindowDelay);
    t.areaWidth = std::to_string(w.imageAreaWidth);
    t.areaHeight = std::to_string(w.imageAreaHeight);
    t.x = std::to_string(w.imageX);
    t.y = std::to_string(w.imageY);
    return page;
}

bool pressWallpaperControl(WallpaperChoices& choices, int controlId) {
    const WallpaperChoices before = choices;
    switch (controlId) {
    case immediatelyRadio:
        choices.animated = false;
        break;
    case animatedRadio: // an animated wallpaper has no image
        choices.animated = true;
        choices.imagePresent = false;
        break;
    case imagePresentRadio:
        if (!choices.imagePresent) {
            choices.animated = false;
            choices.imagePresent = true;
        }
        break;
    case imageAbsentRadio:
        choices.imagePresent = false;
        break;
    case rectangleAreaRadio:
    case imageDimensionsRadio:
        choices.rectangleArea = controlId == rectangleAreaRadio;
        break;
    default: {
        const int32_t code = imagePlacementOfControl(controlId);
        if (code < 0)
            return false;
        choices.imagePlacement = code;
        break;
    }
    }
    return choices.animated != before.animated || choices.imagePresent != before.imagePresent ||
           choices.rectangleArea != before.rectangleArea ||
           choices.imagePlacement != before.imagePlacement;
}

WallpaperChecks wallpaperChecks(const WallpaperChoices& c) {
    WallpaperChecks checks;
    checks.immediately = !c.animated;
    checks.animated = c.animated;
    checks.imageAbsent = !c.imagePresent;
    checks.imagePresent = c.imagePresent;
    checks.imageDimensions = !c.rectangleArea;
    checks.rectangleArea = c.rectangleArea;
    checks.wholeArea = c.imagePlacement == placeWholeArea;
    checks.predefinedPlacement = isPredefined(c.imagePlacement);
    checks.cornerCoordinates = c.imagePlacement == placeMoved;
    checks.pushedPlacementButton = placementButtonOfImagePlacement(c.imagePlacement);
    return checks;
}

WallpaperEnabling wallpaperEnabling(const WallpaperChoices& c, EditorState state) {
    WallpaperEnabling e;
    if (state != EditorState::edit)
        return e;
    e.appearanceRadios = true;
    e.appearanceTime = c.animated;
    e.firstWindowDelay = true;
    e.selectNewColor = true;
    e.presenceRadios = true;
    e.sizeRadios = c.imagePresent;
    e.areaSize = areaSizeInUse(c);
    e.placementRadios = c.imagePresent;
    e.placementButtons = c.imagePresent;
    e.cornerCoordinates = cornerInUse(c);
    e.selectNewImage = c.imagePresent;
    return e;
}

PageMessage wallpaperColorCancelled() {
    return {cancelled, colourCaption, box::ok | box::iconHand, MessageOwner::none};
}

Wallpaper pendingWallpaper(const Wallpaper& stored, const WallpaperPage& page) {
    Wallpaper pending = stored;
    for (const NumberFieldRule& rule : numberFields(page))
        if (rule.inUse)
            if (const std::optional<int32_t> value = numberIn(rule.text))
                pending.*rule.target = *value;
    writeChoices(pending, page.choices);
    return pending;
}

WallpaperSave saveWallpaperPage(Wallpaper& wallpaper, const WallpaperPage& page) {
    const std::array<NumberFieldRule, 6> fields = numberFields(page);
    std::array<int32_t, 6> values{};
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const NumberFieldRule& rule = fields[k];
        if (!rule.inUse)
            continue;
        const NumberFieldCheck check = checkNumberField(rule.text, rule.messages, rule.sign);
        if (!check.accepted())
            return {{check.message, errorCaption, box::ok | box::iconHand,
                     MessageOwner::parametersWindow},
                    rule.field};
        values[k] = check.value;
    }
    for (std::size_t k = 0; k < fields.size(); ++k)
        if (fields[k].inUse)
            wallpaper.*fields[k].target = values[k];
    writeChoices(wallpaper, page.choices);
    return {};
}

} // namespace zim
