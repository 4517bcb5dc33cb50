#include "archive/safe_name.h"

#include <cctype>
#include <cstring>

namespace zim {

namespace {

constexpr const char* forbiddenCharacters = "\\/:*?\"<>|";

// Windows opens the device, not a file, for these names, also when an extension follows;
// blanks before the extension do not change that.
bool isDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (char& c : base)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

} // namespace

std::string trimmedName(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::string();
    const auto last = name.find_last_not_of(' ');
    return std::string(name.substr(first, last - first + 1));
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
    if (name.back() == '.')
        return "it ends with a dot";
    if (name.back() == ' ')
        return "it ends with a blank";
    if (isDeviceName(name))
        return "it is the name of a device";
    return std::string();
}

} // namespace zim
