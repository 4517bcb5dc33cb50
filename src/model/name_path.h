// Names are text in the ANSI code page: the `...A` calls, list boxes and edits give and take
// them so, and the project file stores them so. std::filesystem has its own idea of narrow
// text (UTF-8 in the Windows build), so every name that becomes a path, and every path that
// becomes text to show or compare, goes through this one pair. Natively both are unchanged.
#pragma once

#include <filesystem>
#include <string>

namespace zim {

// The path of a name (a file or folder name, or a whole path written as text).
std::filesystem::path pathFromName(const std::string& name);

// The path as the program shows and compares names. A character the code page cannot hold
// comes out as '?'; `exact`, when given, tells whether every character was held, since such a
// name cannot be opened again by its text.
std::string nameFromPath(const std::filesystem::path& path, bool* exact = nullptr);

} // namespace zim
