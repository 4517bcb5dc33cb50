// "zimtool build": turns a generated compiler project into a Windows program with the free
// MinGW-w64 tools: the resource script with windres, every .f90 file with gfortran, and the link
// with ZIM.lib, MSImg32.Lib and the system libraries into a GUI program (no console window).
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "zimtool/tool_command.h"

namespace zim {

constexpr int buildComplete = 0;
constexpr int buildToolFailed = 1;  // a tool failed; its output was shown
constexpr int buildNotPossible = 2; // usage, not a generated project, or a tool missing

// A tool zimtool build needs: the names it goes by on this platform, best first, and where it
// comes from.
struct BuildToolNeed {
    const char* role;
    std::vector<std::string> names;
    const char* provider;
};
BuildToolNeed resourceCompilerNeed();
BuildToolNeed fortranCompilerNeed();

// The first of the need's names found in the folders of `searchPath` (PATH's form).
std::optional<std::filesystem::path> findTool(const BuildToolNeed& need,
                                              const std::string& searchPath);

// Runs "build GENERATED_DIR [--out EXE]" with the arguments after "build". Each command is
// printed on `out` before it runs; tool output and failures go to `err`. The tools are looked
// up in `searchPath`, by default the PATH of the process.
int buildTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const std::optional<std::string>& searchPath = std::nullopt);

} // namespace zim
