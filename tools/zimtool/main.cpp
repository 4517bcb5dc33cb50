#include <filesystem>
#include <iostream>

#include "model/name_path.h"
#include "zimtool/zimtool_commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // The tool's own folder, made absolute before any command could change the current one.
    std::error_code ec;
    const std::filesystem::path tool = zim::pathFromName(argc > 0 ? argv[0] : "zimtool");
    const std::filesystem::path toolDirectory = std::filesystem::absolute(tool, ec).parent_path();
    return zim::runZimtool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                           toolDirectory);
}
