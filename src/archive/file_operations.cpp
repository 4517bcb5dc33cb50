#include "archive/file_operations.h"

#include <system_error>

#include "archive/failure_message.h"
#include "model/file_copy.h"
#include "model/file_links.h"
#include "model/name_path.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

std::string shownPath(const fs::path& path) {
    return "\"" + nameFromPath(path) + "\"";
}

std::string because(const std::error_code& ec) {
    return ": " + ec.message() + ".";
}

std::string isALink(const fs::path& path) {
    return shownPath(path) + ": it is a link, which is never followed.";
}

// The entries of a directory, taken whole before anything is changed in it.
std::vector<fs::directory_entry> entriesOf(const fs::path& directory, FileFailures& failures) {
    std::vector<fs::directory_entry> entries;
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec))
        entries.push_back(*it);
    if (ec)
        failures.add("Could not list the folder " + shownPath(directory) + because(ec));
    return entries;
}

bool isFile(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_regular_file(ec);
}

bool isDirectory(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_directory(ec);
}

} // namespace

std::string failureReport(const FileFailures& failures) {
    return failureMessage("", {{"Some files or folders could not be handled:", failures.list()}});
}

bool createDirectory(const fs::path& directory, FileFailures& failures) {
    std::error_code ec;
    fs::create_directory(directory, ec);
    if (!ec && fs::is_directory(fs::symlink_status(directory, ec)) && !isLink(directory))
        return true;
    if (!ec)
        ec = std::make_error_code(std::errc::file_exists); // a file or link holds the name
    failures.add("Could not create the folder " + shownPath(directory) + because(ec));
    return false;
}

std::vector<fs::path> copyDirectoryFiles(const fs::path& from, const fs::path& to,
                                         FileFailures& failures, const fs::path& leftOut) {
    std::vector<fs::path> made;
    for (const fs::directory_entry& entry : entriesOf(from, failures)) {
        if (!isFile(entry) || (!leftOut.empty() && entry.path().filename() == leftOut))
            continue;
        const fs::path target = to / entry.path().filename();
        if (isLink(target)) {
            failures.add("Could not copy to " + isALink(target));
            continue;
        }
        std::error_code ec;
        copyFileOver(entry.path(), target, ec);
        if (ec)
            failures.add("Could not copy " + shownPath(entry.path()) + " to " + shownPath(target) +
                         because(ec));
        else
            made.push_back(target);
    }
    return made;
}

int deleteDirectoryFiles(const fs::path& directory, FileFailures& failures) {
    if (isLink(directory)) {
        failures.add("Could not empty " + isALink(directory));
        return 0;
    }
    int deleted = 0;
    for (const fs::directory_entry& entry : entriesOf(directory, failures)) {
        if (isDirectory(entry))
            continue;
        if (removeFile(entry.path(), failures))
            ++deleted;
    }
    return deleted;
}

bool removeFile(const fs::path& file, FileFailures& failures) {
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(file, ec))) { // never a folder, even an empty one
        failures.add("Could not delete " + shownPath(file) + ": it is a folder.");
        return false;
    }
    fs::remove(file, ec); // a link is removed itself
    if (!ec)
        return true;
    failures.add("Could not delete " + shownPath(file) + because(ec));
    return false;
}

bool removeEmptyDirectory(const fs::path& directory, FileFailures& failures) {
    std::error_code ec;
    fs::remove(directory, ec); // fails on a folder that is not empty
    if (!ec)
        return true;
    failures.add("Could not delete the folder " + shownPath(directory) + because(ec));
    return false;
}

bool enterDirectory(const fs::path& directory, FileFailures& failures) {
    std::error_code ec;
    fs::current_path(directory, ec);
    if (!ec)
        return true;
    failures.add("Could not make " + shownPath(directory) + " the current folder" + because(ec));
    return false;
}

} // namespace zim
