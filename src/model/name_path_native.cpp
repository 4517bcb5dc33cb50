// Natively the file system takes names as the bytes they are.
#include "model/name_path.h"

namespace zim {

std::filesystem::path pathFromName(const std::string& name) {
    return std::filesystem::path(name);
}

std::string nameFromPath(const std::filesystem::path& path, bool* exact) {
    if (exact)
        *exact = true;
    return path.native();
}

} // namespace zim
