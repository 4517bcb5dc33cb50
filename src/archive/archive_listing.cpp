#include "archive/archive_listing.h"

#include <system_error>

#include "model/name_path.h"
#include "model/program_state.h"

namespace zim {

namespace fs = std::filesystem;

std::vector<std::string> directoryListing(const fs::path& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        // A name the code page cannot hold cannot be typed or opened by name either, so it is
        // left out rather than shown garbled.
        bool exact = false;
        std::string name = nameFromPath(it->path().filename(), &exact);
        if (exact)
            names.push_back(std::move(name));
    }
    return names;
}

std::vector<std::string> archiveListing() {
    return directoryListing(programDirectory / projectsFolder);
}

std::vector<std::string> generatedProjectsListing() {
    std::vector<std::string> names;
    for (std::string& name : directoryListing(programDirectory / generatedFolder))
        if (name.rfind('.', 0) != 0)
            names.push_back(std::move(name));
    return names;
}

} // namespace zim
