#include "archive/file_operations.h"

#include <system_error>

namespace zim {

namespace fs = std::filesystem;

namespace {

std::string shownPath(const fs::path& path) {
    try {
        return "\"" + path.string() + "\"";
    } catch (const std::exception&) {
        return "\"" + path.filename().generic_u8string() + "\"";
    }
}

std::string because(const std::error_code& ec) {
    return ": " + ec.message() + ".";
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
    std::string text = "Some files or folders could not be handled:";
    for (const std::string& failure : failures.list())
        text += "\n" + failure;
    return text;
}

bool createDirectory(const fs::path& directory, FileFailures& failures) {
    std::error_code ec;
    fs::create_directory(directory, ec);
    if (!ec && fs::is_directory(directory, ec))
        return true;
    if (!ec)
        ec = std::make_error_code(std::errc::file_exists); // a file holds the name
    failures.add("Could not create the folder " + shownPath(directory) + because(ec));
    return false;
}

int copyDirectoryFiles(const fs::path& from, const fs::path& to, FileFailures& failures) {
    int copied = 0;
    for (const fs::directory_entry& entry : entriesOf(from, failures)) {
        if (!isFile(entry))
            continue;
        const fs::path target = to / entry.path().filename();
        std::error_code ec;
        fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing, ec);
        if (ec)
            failures.add("Could not copy " + shownPath(entry.path()) + " to " + shownPath(target) +
                         because(ec));
        else
            ++copied;
    }
    return copied;
}

int deleteDirectoryFiles(const fs::path& directory, FileFailures& failures) {
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
    fs::remove(file, ec);
    if (!ec)
        return true;
    failures.add("Could not delete " + shownPath(file) + because(ec));
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
