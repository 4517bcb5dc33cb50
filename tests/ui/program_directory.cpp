#include "program_directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <random>

#include "model/default_project.h"
#include "model/program_state.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/text_field.h"

namespace zim::test {

namespace fs = std::filesystem;

namespace {

constexpr const char* folderPrefix = "zim-ui-";

// Folders of runs that ended without removing them; an hour is longer than any run.
void removeLeftovers(const fs::path& temporary) {
    std::error_code ec;
    const auto stale = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const fs::directory_entry& entry : fs::directory_iterator(temporary, ec)) {
        const bool ours = entry.path().filename().string().rfind(folderPrefix, 0) == 0;
        if (ours && entry.last_write_time(ec) < stale)
            fs::remove_all(entry.path(), ec);
    }
}

fs::path uniqueFolder() {
    const fs::path temporary = fs::temp_directory_path();
    removeLeftovers(temporary);
    std::random_device random;
    return temporary / (folderPrefix + std::to_string(GetCurrentProcessId()) + "-" +
                        std::to_string(GetTickCount64()) + "-" + std::to_string(random()));
}

} // namespace

ProgramDirectory::ProgramDirectory()
    : previousDirectory_(fs::current_path()), root_(uniqueFolder()) {
    fs::create_directories(defaultDirectory());
    buildDefaultProject();
    EXPECT_TRUE(saveProjectFile(defaultDirectory()));
    fs::current_path(root_);
    programDirectory = root_;
    projectUnsaved = 0;
}

ProgramDirectory::~ProgramDirectory() {
    fs::current_path(previousDirectory_);
    std::error_code ec;
    fs::remove_all(root_, ec);
}

fs::path ProgramDirectory::defaultDirectory() const {
    return root_ / "Projects" / "Default project";
}

fs::path ProgramDirectory::defaultFile() const {
    return defaultDirectory() / "Default project.zim";
}

void ProgramDirectory::addGeneratorFolders() const {
    fs::create_directories(root_ / "FORTRAN PROGRAMS");
    fs::create_directories(root_ / "LIBRARIES");
    for (const char* name : {"MSImg32.Lib", "ZIM.lib", "resource.h", "resource.fd",
                             "ZIM_User_On_Init.f90", "ZIM_User_On_Exit.f90", "ZIM_W.ico"})
        std::ofstream(root_ / "LIBRARIES" / name) << name;
    std::ofstream(defaultDirectory() / "Wallpaper.bmp") << "wallpaper";
}

void ProgramDirectory::storeProject(const std::string& name, const std::string& description) const {
    const fs::path folder = root_ / "Projects" / name;
    fs::create_directories(folder);
    buildDefaultProject();
    setText(project().program.applicationName, name);
    setText(project().program.description, description);
    EXPECT_TRUE(saveProjectFile(folder));
}

} // namespace zim::test
