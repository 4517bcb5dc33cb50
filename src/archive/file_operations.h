// The file work of the archive commands. Each operation does what it can and records every
// step that failed, with the reason, so the command can list them when it ends. Nothing is
// ever deleted or overwritten through a link.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zim {

// The failed steps of one command, in the order they happened, one line each.
class FileFailures {
  public:
    void add(std::string failure) { list_.push_back(std::move(failure)); }
    bool empty() const { return list_.empty(); }
    const std::vector<std::string>& list() const { return list_; }

  private:
    std::vector<std::string> list_;
};

// The closing message of a command that had failures.
std::string failureReport(const FileFailures& failures);

// Creates the directory; one that already exists is fine. Returns whether it exists now.
bool createDirectory(const std::filesystem::path& directory, FileFailures& failures);

// Copies every file of `from` into `to`, replacing files of the same name, except the file
// named `leftOut`. Subdirectories are not files and are left out; a target that is a link is
// not written. Returns the files made in `to`.
std::vector<std::filesystem::path> copyDirectoryFiles(const std::filesystem::path& from,
                                                      const std::filesystem::path& to,
                                                      FileFailures& failures,
                                                      const std::filesystem::path& leftOut = {});

// Deletes every file of the directory; its subdirectories and their contents stay, and a link
// among the files is deleted itself, never what it leads to. A directory that is a link is
// not emptied. Returns the number of files deleted.
int deleteDirectoryFiles(const std::filesystem::path& directory, FileFailures& failures);

// Deletes one file; a file that is not there is fine. Returns whether it is gone.
bool removeFile(const std::filesystem::path& file, FileFailures& failures);

// Removes an empty directory. Returns whether it is gone.
bool removeEmptyDirectory(const std::filesystem::path& directory, FileFailures& failures);

// Makes the directory the process's current directory.
bool enterDirectory(const std::filesystem::path& directory, FileFailures& failures);

} // namespace zim
