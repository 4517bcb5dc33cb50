// A fresh program directory for one test, as the distribution folder holds it: the default
// project in Projects\Default project\, made the program's and the current directory. Its
// folder's name joins the process, the time and a random number, so that no run meets the
// folder of another or of an earlier one that was killed; such leftovers are removed.
#pragma once

#include <filesystem>
#include <string>

namespace zim::test {

class ProgramDirectory {
  public:
    ProgramDirectory();
    ~ProgramDirectory(); // removes the folder and goes back to the directory before
    ProgramDirectory(const ProgramDirectory&) = delete;
    ProgramDirectory& operator=(const ProgramDirectory&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path operator/(const std::string& name) const { return root_ / name; }
    std::filesystem::path defaultDirectory() const;
    std::filesystem::path defaultFile() const;

    // Adds what generation reads and writes: FORTRAN PROGRAMS, LIBRARIES with small stand-ins
    // for its files, and the default project's wallpaper image.
    void addGeneratorFolders() const;

    // Stores the default project under `name` with this description, as the archive lists it.
    void storeProject(const std::string& name, const std::string& description) const;

  private:
    std::filesystem::path previousDirectory_;
    std::filesystem::path root_;
};

} // namespace zim::test
