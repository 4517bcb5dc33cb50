#include "generator/output_directory.h"

#include <system_error>

#include "model/file_links.h"
#include "model/name_path.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

// A name for the closing message.
std::string fileLabel(const fs::path& file) {
    return nameFromPath(file.filename());
}

} // namespace

std::string makeOutputDirectory(const fs::path& directory) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(directory, ec);
    if (status.type() == fs::file_type::not_found) {
        fs::create_directory(directory, ec);
        return ec ? ec.message() : std::string();
    }
    if (ec)
        return ec.message();
    // A link or junction could lead anywhere, and emptying it would delete files outside the
    // folder.
    if (isLink(directory))
        return "it is a link, not a folder";
    if (!fs::is_directory(status))
        return "it is a file, not a folder";
    return std::string();
}

std::vector<FileFailure> deleteFilesIn(const fs::path& directory) {
    std::vector<FileFailure> failures;
    // The files are listed first and deleted afterwards, so the listing never runs over a
    // folder that changes under it.
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError))
            files.push_back(it->path());
    }
    if (ec)
        failures.push_back({fileLabel(directory), ec.message()});
    for (const fs::path& file : files) {
        std::error_code removeError;
        fs::remove(file, removeError);
        if (removeError)
            failures.push_back({fileLabel(file), removeError.message()});
    }
    return failures;
}

} // namespace zim
