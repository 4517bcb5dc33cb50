// A program to run with its arguments, as zimtool build runs the compilers.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zim {

struct ToolCommand {
    std::filesystem::path program;
    std::vector<std::string> args;
};

// The command as a command line: the program and each argument, quoted where it holds a blank,
// a quote or nothing (Windows' quoting rules, which a POSIX shell reads the same way for such
// arguments).
std::string commandLineOf(const ToolCommand& command);

struct ToolRun {
    bool started = false; // false: the program could not be started at all
    int exitCode = -1;
    std::string output; // standard output and standard error, in the order written
};

// Runs the command in `directory` and waits for it, collecting its output.
ToolRun runTool(const ToolCommand& command, const std::filesystem::path& directory);

} // namespace zim
