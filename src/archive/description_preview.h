// The description that the load dialog shows for the selected archive entry.
#pragma once

#include <filesystem>
#include <string>

namespace zim {

// The trimmed description of the project file programDirectory / "Projects" / name /
// (name + ".zim"). A missing file, a file too short to hold the description, or a file that is
// not a valid project file gives an empty text.
std::string projectDescriptionPreview(const std::string& name);

// The same for a project file given by path.
std::string projectFileDescription(const std::filesystem::path& file);

} // namespace zim
