// std::filesystem in the Windows build sees symbolic links but not junctions; the file's own
// attributes show every reparse point.
#include "model/file_links.h"

#include <windows.h>

namespace zim {

bool isLink(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

} // namespace zim
