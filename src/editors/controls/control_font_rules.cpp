#include "editors/controls/control_font_rules.h"

#include "model/text_field.h"

namespace zim {

namespace {

constexpr const char* fontCancelled = "Operation was cancelled...";
constexpr const char* buttonFontCaption = "New Button Text Color Selection";
constexpr const char* staticFontCaption = "New Text Color Selection";

constexpr int32_t standardFont = 0;
constexpr int32_t customFont = 1;

PageMessage cancelled(const char* caption) {
    return {fontCancelled, caption, box::iconInformation | box::taskModal, MessageOwner::none};
}

} // namespace

FontControls fontControls(int32_t customFontMode, const LogFont& font) {
    FontControls controls;
    controls.customChecked = customFontMode == customFont;
    controls.standardChecked = !controls.customChecked;
    controls.pickerEnabled = controls.customChecked;
    if (controls.customChecked)
        controls.faceName = shown(font.faceName);
    return controls;
}

bool chooseFontMode(int32_t& customFontMode, int radioId) {
    if (radioId != standardFontRadio && radioId != customFontRadio)
        return false;
    const int32_t chosen = radioId == customFontRadio ? customFont : standardFont;
    if (customFontMode == chosen)
        return false;
    customFontMode = chosen;
    return true;
}

PageMessage buttonFontCancelledMessage() {
    return cancelled(buttonFontCaption);
}

PageMessage staticFontCancelledMessage() {
    return cancelled(staticFontCaption);
}

} // namespace zim
