#include <iostream>

#include "zimtool/zimtool_commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return zim::runZimtool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
