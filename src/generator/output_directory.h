// The folder of a compiler project, FORTRAN PROGRAMS\<name>\: made for a new project, emptied
// of its files before an existing one is generated again. Nothing outside it is created or
// deleted.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "generator/generation_driver.h"

namespace zim {

// Creates the folder (its parent must exist) or checks that an existing one is a plain
// folder, not a file or a link. "" when it can be generated into; otherwise why not.
std::string makeOutputDirectory(const std::filesystem::path& directory);

// Deletes every file directly inside the folder; subfolders and their contents stay. Returns
// the files that could not be deleted.
std::vector<FileFailure> deleteFilesIn(const std::filesystem::path& directory);

} // namespace zim
