// A project folder and a templates folder on disk for the list operations' tests, with small
// text files standing in for images: each file's content tells where it came from.
#pragma once

#include <filesystem>
#include <set>
#include <string>

#include "editors/window/list_operation.h"
#include "temp_dir.h"

namespace zim::test {

class ListTestFolder {
  public:
    ListTestFolder() {
        std::filesystem::create_directories(project());
        std::filesystem::create_directories(templates());
        for (const char* name :
             {"BUTTON_BITMAP.bmp", "BUTTON_ICON.ico", "STATIC_BITMAP.bmp", "STATIC_ICON.ico"})
            writeBytes(templates() / name, bytesOf(std::string("template ") + name));
    }

    std::filesystem::path project() const { return root_ / "Projects" / "Demo"; }
    std::filesystem::path templates() const { return root_ / "Templates"; }
    ListFolders folders() const { return {project(), templates()}; }
    const std::filesystem::path& root() const { return root_.path(); }

    // Writes a file into the project folder whose content is its own name, or `content`.
    void put(const std::string& name, const std::string& content = {}) const {
        writeBytes(project() / name, bytesOf(content.empty() ? name : content));
    }
    // The content of a project file, or "(none)" when it is not there.
    std::string content(const std::string& name) const {
        if (!std::filesystem::exists(project() / name))
            return "(none)";
        const std::vector<char> bytes = readBytes(project() / name);
        return {bytes.begin(), bytes.end()};
    }
    // Every name in the project folder.
    std::set<std::string> names() const {
        std::set<std::string> all;
        for (const auto& entry : std::filesystem::directory_iterator(project()))
            all.insert(entry.path().filename().string());
        return all;
    }

  private:
    TempDir root_;
};

} // namespace zim::test
