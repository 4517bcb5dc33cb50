// Deleting files of the open project's folder by their file names, as the window pages do
// when a file stops being used: the provisional image of a window, and class icon and cursor
// files whose source is no longer a file. Nothing outside the folder is ever deleted and no
// link is followed or deleted.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "archive/file_operations.h"

namespace zim {

// Deletes each named file of the folder; a file that is not there is fine. Left alone and
// listed in the result: a name that is not a plain file name (it could lead out of the
// folder), a link, anything that is not a file, a folder that is itself a link, and a file
// that could not be deleted. Names that differ only in letter case are one file.
FileFailures deleteProjectFiles(const std::filesystem::path& projectFolder,
                                const std::vector<std::string>& fileNames);

} // namespace zim
