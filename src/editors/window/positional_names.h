// Names of the files that belong to a place in the design rather than to a record: a window's
// icon, small icon and cursor ("Wnd_001.ico", "Wnd_001s.ico", "Wnd_001.cur"), its background
// images ("Wnd_001_01.bmp"), the images of its buttons in their three states
// ("Button_001_002.bmp", "Button_001_002_Down.bmp", "Button_001_002_Dis.ico") and of its
// statics ("Static_001_003.ico"). When a record changes its place, these files go with it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zim {

enum class PositionalKind {
    window,          // Wnd_www: icon and cursor
    windowSmallIcon, // Wnd_wwws
    image,           // Wnd_www_ii
    button,          // Button_www_bbb
    buttonPushed,    // Button_www_bbb_Down
    buttonDisabled,  // Button_www_bbb_Dis
    staticControl,   // Static_www_sss
};

struct PositionalName {
    PositionalKind kind = PositionalKind::window;
    int window = 0;        // 1..100
    int index = 0;         // image 1..10, button or static 1..100; 0 for the window's own files
    std::string extension; // ".bmp", ".ico" or ".cur", spelt as found
};

// The base name (without extension) of a place: "Button_001_002_Down".
std::string positionalBaseName(PositionalKind kind, int window, int index);

// The file name of a place: its base name and extension.
std::string positionalFileName(const PositionalName& name);

// Reads a file name as a place. Letter case is ignored, as Windows ignores it; numbers must have
// their exact digit counts and lie within the capacities. Anything else is no positional name.
std::optional<PositionalName> parsePositionalFileName(std::string_view fileName);

// Whether a name field holds the base name of the place, in any letter case.
bool namesPlace(std::string_view fieldText, PositionalKind kind, int window, int index);

// A record's name field when the record moves from one place to another: a field that holds
// the base name of the old place takes that of the new one; any other name is the user's own
// and stays.
struct Place {
    int window = 0;
    int index = 0;
};
void followPlace(char* field, std::size_t length, PositionalKind kind, Place from, Place to);
template <std::size_t N>
void followPlace(char (&field)[N], PositionalKind kind, Place from, Place to) {
    followPlace(field, N, kind, from, to);
}

} // namespace zim
