#include "editors/controls/static_colour_selection.h"

#include "model/style_lists.h"

namespace zim {

namespace {

constexpr const char* cancelled = "Operation was canceled...";
constexpr const char* textColourCaption = "New text color selection...";
constexpr const char* backgroundCaption = "New background color selection...";
constexpr const char* listTitle = "Select new background color";

constexpr int32_t colourKind = 1;
constexpr int32_t systemColourKind = 2;
constexpr int32_t stockBrushKind = 3;
constexpr uint32_t black = 0;

bool customScheme(const StaticControl& copy) {
    return copy.customColours != 0;
}

void showCancelled(const char* caption, StaticColourPrompts& prompts) {
    prompts.show({cancelled, caption, box::iconHand, MessageOwner::none});
}

// Stores a background unless it is the one the static has already.
bool storeBackground(StaticControl& copy, int32_t kind, int32_t value) {
    if (copy.backgroundKind == kind && copy.backgroundValue == value)
        return false;
    copy.backgroundKind = kind;
    copy.backgroundValue = value;
    return true;
}

// A list entry from a picker: stored with its kind when it is in the list, otherwise taken as a
// cancel.
bool storeListed(StaticControl& copy, int32_t kind, int entry, const ValueList& list,
                 StaticColourPrompts& prompts) {
    if (entry < 1 || entry > list.count) {
        showCancelled(backgroundCaption, prompts);
        return false;
    }
    return storeBackground(copy, kind, entry);
}

} // namespace

bool selectTextColour(StaticControl& copy, StaticColourPrompts& prompts) {
    if (!customScheme(copy))
        return false;
    uint32_t chosen = 0;
    if (!prompts.pickColour(static_cast<uint32_t>(copy.textColour), chosen)) {
        showCancelled(textColourCaption, prompts);
        return false;
    }
    const auto colour = static_cast<int32_t>(chosen);
    if (copy.textColour == colour)
        return false;
    copy.textColour = colour;
    return true;
}

bool selectBackgroundColour(StaticControl& copy, StaticColourPrompts& prompts) {
    if (!customScheme(copy))
        return false;
    switch (prompts.colourMenu()) {
    case systemColourCommand:
        return storeListed(
            copy, systemColourKind,
            prompts.systemColour(listTitle, copy.backgroundKind, copy.backgroundValue),
            systemColourList, prompts);
    case systemBrushCommand:
        return storeListed(copy, stockBrushKind,
                           prompts.stockBrush(listTitle, copy.backgroundKind, copy.backgroundValue),
                           stockBrushList, prompts);
    case customColourCommand: {
        uint32_t chosen = 0;
        if (!prompts.pickColour(black, chosen)) {
            showCancelled(backgroundCaption, prompts);
            return false;
        }
        return storeBackground(copy, colourKind, static_cast<int32_t>(chosen));
    }
    default:
        return false;
    }
}

} // namespace zim
