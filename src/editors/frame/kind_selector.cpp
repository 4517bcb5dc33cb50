#include "editors/frame/kind_selector.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "model/style_lists.h"

namespace zim {

namespace {

constexpr int32_t classicButton = 0;
constexpr int32_t windowsDrawnButton = 1;
constexpr int32_t textStatic = 0;
constexpr int32_t graphicsStatic = 1;
constexpr int32_t imageStatic = 2;

constexpr int32_t noImage = 0;
constexpr int32_t bitmapImage = 2;
constexpr int32_t firstStandardIcon = 1;
constexpr int32_t windowsDefaultColours = 0;

// The 0-based place of a named constant in a style list; the names used here are all listed.
int entryIndex(const ValueList& list, const char* name) {
    for (int k = 1; k <= list.count; ++k)
        if (std::strcmp(list[k].name, name) == 0)
            return k - 1;
    return -1;
}

void onlyStaticStyle(StaticControl& copy, const char* name) {
    std::fill(std::begin(copy.staticStyles), std::end(copy.staticStyles), 0);
    chooseStyles(copy.staticStyles, staticStyleList, {name});
}

} // namespace

const char* buttonKindHeading() {
    return "Select button type :";
}

const char* staticKindHeading() {
    return "Select Static Control Type :";
}

std::array<KindRadio, 4> buttonKindRadios(int32_t kind) {
    const bool classic = kind == classicButton;
    return {
        {{classicButtonRadio, " Classic Button", classic, true},
         {windowsDrawnButtonRadio, " Owner-Drawn Button ( supported by Windows )", !classic, true},
         {zimDrawnButtonRadio, " Owner-Drawn Button ( supported by ZIM )", false, false},
         {userDrawnButtonRadio, " Owner-Drawn Button ( by user )", false, false}}};
}

std::array<KindRadio, 4> staticKindRadios(int32_t kind) {
    return {{{textStaticRadio, " Text Static Control", kind == textStatic, true},
             {graphicsStaticRadio, " Simple Graphics Static Control", kind == graphicsStatic, true},
             {imageStaticRadio, " Image Static Control", kind == imageStatic, true},
             {ownerDrawnStaticRadio, " Owner-Drawn Static Control", false, false}}};
}

int32_t buttonKindOfRadio(int radioId) {
    switch (radioId) {
    case classicButtonRadio:
        return classicButton;
    case windowsDrawnButtonRadio:
        return windowsDrawnButton;
    default:
        return -1;
    }
}

int32_t staticKindOfRadio(int radioId) {
    switch (radioId) {
    case textStaticRadio:
        return textStatic;
    case graphicsStaticRadio:
        return graphicsStatic;
    case imageStaticRadio:
        return imageStatic;
    default:
        return -1;
    }
}

bool chooseButtonKind(ButtonControl& copy, const ButtonControl& saved, int32_t kind) {
    if (kind == copy.kind)
        return false;
    const int bitmapEntry = entryIndex(buttonStyleList, "BS_BITMAP");
    const int iconEntry = entryIndex(buttonStyleList, "BS_ICON");
    switch (kind) {
    case classicButton:
        copy.buttonStyles[bitmapEntry] = 0;
        copy.buttonStyles[iconEntry] = 0;
        break;
    case windowsDrawnButton:
        // A record saved as an image button keeps its own image type.
        if (saved.kind == windowsDrawnButton) {
            copy.buttonStyles[bitmapEntry] = saved.buttonStyles[bitmapEntry];
            copy.buttonStyles[iconEntry] = saved.buttonStyles[iconEntry];
        } else {
            copy.buttonStyles[bitmapEntry] = 1;
            copy.buttonStyles[iconEntry] = 0;
        }
        break;
    default:
        return false;
    }
    copy.kind = kind;
    return true;
}

bool chooseStaticKind(StaticControl& copy, int32_t kind) {
    if (kind == copy.kind)
        return false;
    switch (kind) {
    case textStatic:
        onlyStaticStyle(copy, "SS_CENTER");
        copy.imageKind = noImage;
        break;
    case graphicsStatic:
        onlyStaticStyle(copy, "SS_ETCHEDFRAME");
        copy.imageKind = noImage;
        copy.customColours = windowsDefaultColours;
        break;
    case imageStatic:
        onlyStaticStyle(copy, "SS_BITMAP");
        copy.imageKind = bitmapImage;
        copy.standardImage = firstStandardIcon;
        copy.customColours = windowsDefaultColours;
        break;
    default:
        return false;
    }
    copy.kind = kind;
    return true;
}

} // namespace zim
