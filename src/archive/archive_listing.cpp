#include "archive/archive_listing.h"

#include <system_error>

#include "model/program_state.h"

namespace zim {

namespace fs = std::filesystem;

std::vector<std::string> directoryListing(const fs::path& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        // A name the narrow character set cannot hold cannot be typed or opened by name
        // either, so it is left out rather than shown garbled.
        try {
            names.push_back(it->path().filename().string());
        } catch (const std::exception&) {
        }
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
