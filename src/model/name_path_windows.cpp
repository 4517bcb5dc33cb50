// On Windows a path holds UTF-16; names are converted with the ANSI code page (CP_ACP), the
// one the `...A` calls use.
#include "model/name_path.h"

#include <windows.h>

namespace zim {

std::filesystem::path pathFromName(const std::string& name) {
    if (name.empty())
        return std::filesystem::path();
    const int size = static_cast<int>(name.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, name.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, name.data(), size, wide.data(), length);
    return std::filesystem::path(wide);
}

std::string nameFromPath(const std::filesystem::path& path, bool* exact) {
    const std::wstring& wide = path.native();
    BOOL defaulted = FALSE;
    std::string name;
    if (!wide.empty()) {
        const int size = static_cast<int>(wide.size());
        // No best fit: a character the code page lacks must not turn into a similar one that
        // names another file.
        const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                               nullptr, 0, nullptr, nullptr);
        name.assign(static_cast<std::size_t>(length), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, name.data(), length,
                            nullptr, &defaulted);
    }
    if (exact)
        *exact = !defaulted;
    return name;
}

} // namespace zim
