#include "zimtool/tool_command.h"

#include "model/name_path.h"

namespace zim {

namespace {

// Quotes an argument as CommandLineToArgvW and the C runtimes read it back: backslashes are
// literal except before a quote, where they are doubled.
std::string quoted(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos)
        return arg;
    std::string result = "\"";
    std::size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            result.append(backslashes * 2 + 1, '\\');
        else
            result.append(backslashes, '\\');
        backslashes = 0;
        result += c;
    }
    result.append(backslashes * 2, '\\');
    return result + "\"";
}

} // namespace

std::string commandLineOf(const ToolCommand& command) {
    std::string line = quoted(nameFromPath(command.program));
    for (const std::string& arg : command.args)
        line += " " + quoted(arg);
    return line;
}

} // namespace zim
