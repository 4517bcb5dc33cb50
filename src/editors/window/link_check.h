// Whether a name in a project folder is a link. List operations never move, delete or write
// through a link: the file it leads to belongs to somebody else.
#pragma once

#include <filesystem>

namespace zim {

// True for a symbolic link. Every list operation asks this one function, so that the check
// for Windows junctions (reparse points) can take its place in one step.
bool isLink(const std::filesystem::path& path);

} // namespace zim
