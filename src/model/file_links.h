// Symbolic links and junctions lead anywhere, so nothing is ever deleted or overwritten
// through one: a folder or file that is a link is refused instead.
#pragma once

#include <filesystem>

namespace zim {

// Whether the path itself (not what it leads to) is a symbolic link or, on Windows, any
// reparse point such as a junction. A path that is not there is not a link.
bool isLink(const std::filesystem::path& path);

} // namespace zim
