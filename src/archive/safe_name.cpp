#include "archive/safe_name.h"

#include <cctype>
#include <cstring>

namespace zim {

namespace {

constexpr const char* forbiddenCharacters = "\\/:*?\"<>|";

// The superscript digits one, two and three in the ANSI code page (1252), which Windows takes
// for digits in device names.
constexpr const char* superscriptDigits = "\xB9\xB2\xB3";

bool isPortDigit(char c) {
    return (c >= '0' && c <= '9') || (c != '\0' && std::strchr(superscriptDigits, c) != nullptr);
}

// Windows opens the device, not a file, for these names, also when an extension follows;
// blanks before the extension do not change that.
bool isDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (char& c : base)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (base == device)
            return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           isPortDigit(base[3]);
}

} // namespace

std::string trimmedName(std::string_view name) {
    const auto last = name.find_last_not_of(' ');
    if (last == std::string_view::npos)
        return std::string();
    return std::string(name.substr(0, last + 1));
}

std::string unsafeNameReason(const std::string& name) {
    if (name.empty())
        return "it is empty";
    if (name == "." || name == "..")
        return "it names a folder itself";
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20)
            return "it contains a control character";
        if (std::strchr(forbiddenCharacters, c) != nullptr)
            return std::string("it contains the character '") + c + "'";
    }
    if (name.front() == ' ')
        return "it begins with a blank";
    if (name.back() == '.')
        return "it ends with a dot";
    if (name.back() == ' ')
        return "it ends with a blank";
    if (isDeviceName(name))
        return "it is the name of a device";
    return std::string();
}

} // namespace zim
