// The entries of the archive and of the generated projects' folder, as the name dialogs list
// them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zim {

// Names of all entries of the directory, files and directories alike, in the order the file
// system returns them ("." and ".." are never among them). A missing or unreadable directory
// lists nothing.
std::vector<std::string> directoryListing(const std::filesystem::path& directory);

// programDirectory / "Projects": every entry.
std::vector<std::string> archiveListing();

// programDirectory / "FORTRAN PROGRAMS": every entry except names beginning with a dot.
std::vector<std::string> generatedProjectsListing();

} // namespace zim
