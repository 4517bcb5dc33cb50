// "zimtool generate": makes the compiler project of a stored project without the designer, as
// the designer's Generate command does, so a build script can regenerate it.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace zim {

constexpr int generateComplete = 0;
constexpr int generateFailed = 1;       // the output folder or a generated file is missing
constexpr int generateFilesMissing = 2; // generated, but some files could not be copied
constexpr int generateBadUsage = -1;    // the arguments do not form a generate command

// Runs "generate PROJECT_DIR OUT_DIR [--name NAME] [--libraries DIR]" with the arguments
// after "generate". Failures go to `err`, one line each. LIBRARIES defaults to
// toolDirectory / "LIBRARIES", NAME to the name of the project's folder.
int generateTool(const std::vector<std::string>& args, std::ostream& err,
                 const std::filesystem::path& toolDirectory);

} // namespace zim
