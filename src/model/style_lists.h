// The fixed, 1-based lists of Win32 constants that style sets and list indexes refer to.
// The values are those of the Win32 headers, written out so the model needs no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zim {

struct NamedValue {
    const char* name;
    uint32_t value;
};

struct ValueList {
    const NamedValue* entries;
    int count;

    const NamedValue& operator[](int oneBased) const { return entries[oneBased - 1]; }
};

extern const ValueList classStyleList;         // CS, 11
extern const ValueList windowStyleList;        // WS, 27
extern const ValueList extendedStyleList;      // WS_EX, 26
extern const ValueList dialogStyleList;        // DS, 14
extern const ValueList buttonStyleList;        // BS, 25
extern const ValueList staticStyleList;        // SS, 28
extern const ValueList standardIconList;       // IDI_, 6
extern const ValueList standardCursorList;     // IDC_, 13
extern const ValueList stockBrushList;         // stock objects, 6
extern const ValueList systemColourList;       // COLOR_, 19

// The OR of the list values of every entry that is set; entries of value 0 add nothing.
uint32_t styleWord(const int32_t* set, const ValueList& list);

template <std::size_t N> uint32_t styleWord(const int32_t (&set)[N], const ValueList& list) {
    return styleWord(static_cast<const int32_t*>(set), list);
}

// The 1-based place of a named constant in a list. Code names only constants the list holds,
// so any other name is a programming error.
int styleEntry(const ValueList& list, std::string_view name);

// Sets entry k (1-based) of a style set to 1 for each named constant; unknown names are ignored.
void chooseStyles(int32_t* set, const ValueList& list, std::initializer_list<const char*> names);

// Background brush that a background kind and value stand for. The Win32 layer makes the
// brush: a solid brush of the colour, the class-brush value (system colour number + 1), or the
// stock object; any other kind keeps the default brush value 2.
struct ClassBrush {
    enum Type { solidColour, systemColourPlusOne, stockObject, defaultValue } type;
    uint32_t value;
};
ClassBrush classBrush(int32_t kind, int32_t value);

// Three-digit, zero-padded number of the default names: 7 gives "007".
std::string formatNumber3(int n);

// Default file names of windows, images and controls.
std::string windowFileName(int w);                  // "Wnd_001": icon and cursor
constexpr const char* smallIconSuffix = "s";        // "Wnd_001s": small icon
constexpr const char* pushedImageSuffix = "_Down";  // a button's pushed-state image
constexpr const char* disabledImageSuffix = "_Dis"; // a button's disabled-state image
std::string backgroundImageName(int w, int i); // "Wnd_001_01"
std::string buttonImageName(int w, int b);     // "Button_001_001"
std::string staticImageName(int w, int s);     // "Static_001_001"

} // namespace zim
