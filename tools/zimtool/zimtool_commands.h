// The commands of zimtool, the headless companion of the designer.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace zim {

// Runs one command line (without the program name); returns the exit code. `toolDirectory` is
// the folder of the zimtool executable: "generate" takes its libraries from the "LIBRARIES"
// folder there unless --libraries names another.
int runZimtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::filesystem::path& toolDirectory = {});

} // namespace zim
