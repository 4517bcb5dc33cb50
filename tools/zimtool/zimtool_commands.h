// The commands of zimtool, the headless companion of the designer.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zim {

// Runs one command line (without the program name); returns the exit code.
int runZimtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace zim
