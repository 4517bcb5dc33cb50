#include "editors/frame/project_image_copy.h"

#include <system_error>

#include "archive/safe_name.h"
#include "model/file_links.h"
#include "model/name_path.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

constexpr const char* temporarySuffix = ".copying";
constexpr int temporaryNameTries = 10;

std::string quoted(const fs::path& path) {
    return "\"" + nameFromPath(path.filename()) + "\"";
}

ImageCopyResult refusal(std::string problem) {
    return {ImageCopyStatus::refused, std::move(problem)};
}

ImageCopyResult failure(std::string problem) {
    return {ImageCopyStatus::failed, std::move(problem)};
}

bool isTaken(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

void makeWritable(const fs::path& file, std::error_code& ec) {
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
}

// A name beside the target that nothing holds: the target's name and a suffix.
fs::path freeTemporaryName(const fs::path& target) {
    for (int attempt = 1; attempt <= temporaryNameTries; ++attempt) {
        fs::path temporary = target;
        temporary += temporarySuffix;
        if (attempt > 1)
            temporary += std::to_string(attempt);
        if (!isTaken(temporary))
            return temporary;
    }
    return {};
}

// The reason the chosen file, the folder or the target rules the copy out, or "".
std::string obstacle(const fs::path& chosen, const fs::path& folder, const fs::path& target) {
    std::error_code ec;
    if (isLink(folder))
        return "The project folder " + quoted(folder) + " is a link, and links are never followed.";
    if (!fs::is_directory(fs::status(folder, ec)))
        return "The project folder " + quoted(folder) + " was not found.";
    const fs::file_status source = fs::status(chosen, ec);
    if (!fs::exists(source))
        return "The file " + quoted(chosen) + " was not found.";
    if (!fs::is_regular_file(source))
        return quoted(chosen) + " is not a file.";
    if (isLink(target))
        return quoted(target) + " is a link, and links are never followed.";
    const fs::file_status present = fs::symlink_status(target, ec);
    if (fs::exists(present) && !fs::is_regular_file(present))
        return quoted(target) + " is in the way: it is not a file.";
    return "";
}

} // namespace

ImageCopyResult copyImageIntoProject(const fs::path& chosen, const fs::path& projectFolder,
                                     const std::string& targetName) {
    if (!unsafeNameReason(targetName).empty())
        return refusal("\"" + targetName + "\" is not a file name inside the project folder.");
    const fs::path target = projectFolder / pathFromName(targetName);
    if (std::string problem = obstacle(chosen, projectFolder, target); !problem.empty())
        return refusal(problem);

    std::error_code ec;
    if (fs::equivalent(chosen, target, ec)) {
        makeWritable(target, ec);
        return {ImageCopyStatus::alreadyThere, {}};
    }

    const fs::path temporary = freeTemporaryName(target);
    if (temporary.empty())
        return failure("Could not copy " + quoted(chosen) + " to " + quoted(target) +
                       ": no temporary name beside it is free.");
    // copy_options::none never replaces a file that appeared meanwhile; such a file is not
    // ours to remove either.
    fs::copy_file(chosen, temporary, fs::copy_options::none, ec);
    const bool temporaryIsOurs = ec != std::errc::file_exists;
    if (!ec)
        makeWritable(temporary, ec);
    if (!ec && isTaken(target))
        makeWritable(target, ec); // Windows refuses to rename over a read-only file
    if (!ec)
        fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        if (temporaryIsOurs)
            fs::remove(temporary, ignored);
        return failure("Could not copy " + quoted(chosen) + " to " + quoted(target) + ": " +
                       ec.message() + ".");
    }
    return {ImageCopyStatus::copied, {}};
}

} // namespace zim
