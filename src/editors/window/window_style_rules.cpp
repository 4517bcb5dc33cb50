#include "editors/window/window_style_rules.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "editors/frame/number_field.h"
#include "editors/window/window_kind.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr const char* errorCaption = "Error";
constexpr NumberFieldMessages fontSizeMessages{
    "Fill the field for font height value, please...",
    "Check out the field for font height value, please..."};

constexpr WindowStylesCaptions standardWindowCaptions{
    "Window Styles and Window Extended Styles", " Window Extended Styles ",
    "Available ExStyles :", "Selected ExStyles :", "ExStyle Description :"};
constexpr WindowStylesCaptions dialogCaptions{
    "Window Styles and Dialog Templates Styles", " Additional Styles for Dialog Templates",
    "Available Styles :", "Selected Styles :", "Style Description :"};

int caseless(unsigned char c) {
    return std::tolower(c);
}

// The sorted list's order: letter case aside, then by the bytes so equal-looking names keep
// one fixed order.
bool listsBefore(const std::string& a, const std::string& b) {
    const auto caselessLess = [](char x, char y) {
        return caseless(static_cast<unsigned char>(x)) < caseless(static_cast<unsigned char>(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), caselessLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), caselessLess))
        return false;
    return a < b;
}

bool sameCaseless(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return caseless(static_cast<unsigned char>(x)) ==
                      caseless(static_cast<unsigned char>(y));
           });
}

template <std::size_t N> void copySet(const int32_t (&from)[N], int32_t (&to)[N]) {
    std::copy(std::begin(from), std::end(from), std::begin(to));
}

} // namespace

bool FontFaceList::offer(const char* field, std::size_t fieldLength) {
    const std::string_view text(field, fieldLength);
    return offer(text.substr(0, text.find('\0')));
}

bool FontFaceList::offer(std::string_view face) {
    if (faces_.size() >= capacity)
        return false;
    const std::string name(face.substr(0, face.find('\0')));
    if (!name.empty()) {
        const auto place = std::lower_bound(faces_.begin(), faces_.end(), name, listsBefore);
        if (place == faces_.end() || *place != name)
            faces_.insert(place, name);
    }
    return faces_.size() < capacity;
}

std::vector<std::string> FontFaceList::faces() const {
    return faces_;
}

std::string FontFaceList::faceToSelect(std::string_view workingFace) const {
    for (const std::string& face : faces_)
        if (sameCaseless(face, workingFace))
            return face;
    return faces_.empty() ? std::string() : faces_.front();
}

WindowStylesPage::WindowStylesPage(Project& project, int window) : project_(project), w_(window) {
    load();
}

void WindowStylesPage::load() {
    const AppWindow& w = window();
    copySet(w.windowStyles, copy_.windowStyles);
    copySet(w.extendedStyles, copy_.extendedStyles);
    copySet(w.dialogStyles, copy_.dialogStyles);
    copy_.fontFace = shown(w.fontFace);
    copy_.fontSize = std::to_string(w.fontSize);
}

bool WindowStylesPage::isDialog() const {
    return isDialogWindow(window());
}

WindowStylesCaptions WindowStylesPage::captions() const {
    return isDialog() ? dialogCaptions : standardWindowCaptions;
}

WindowStylesEnabling WindowStylesPage::enabling(EditorState state) const {
    WindowStylesEnabling e;
    if (state != EditorState::edit)
        return e;
    e.windowStyles = true;
    e.rightStyles = true;
    e.font = isDialog();
    return e;
}

StyleListPair WindowStylesPage::rightStyles() {
    if (isDialog())
        return {copy_.dialogStyles, dialogStyleList};
    return {copy_.extendedStyles, extendedStyleList};
}

WindowStylesSave WindowStylesPage::save(std::string_view chosenFace) {
    AppWindow& w = window();
    NumberFieldCheck fontSize;
    if (isDialog()) {
        fontSize = checkNumberField(copy_.fontSize, fontSizeMessages);
        if (!fontSize.accepted())
            return {{fontSize.message, errorCaption, box::ok | box::iconHand,
                     MessageOwner::parametersWindow}};
    }
    copySet(copy_.windowStyles, w.windowStyles);
    copySet(copy_.extendedStyles, w.extendedStyles);
    copySet(copy_.dialogStyles, w.dialogStyles);
    // Only a dialog shows its font; a standard window keeps the stored one byte for byte.
    if (isDialog()) {
        setText(w.fontFace, chosenFace.empty() ? std::string_view(copy_.fontFace) : chosenFace);
        w.fontSize = fontSize.value;
    }
    load();
    return {};
}

} // namespace zim
