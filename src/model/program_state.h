// Process-wide state of the open project, shared by the shell, the archive commands, the
// generator and the live windows. Not saved in any file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zim {

// The directory the program started in; every data directory lies in it.
extern std::filesystem::path programDirectory;
// Name of the open project (the one the next load opens).
extern std::string projectToLoad;
// programDirectory / "Projects" / projectToLoad: the current directory between commands.
extern std::filesystem::path projectDirectory;
// 1 after a project was created, loaded or opened for editing and not saved since.
extern int32_t projectUnsaved;
// 1 in the designer: live windows load images from files and announce button actions.
extern int32_t designMode;

constexpr const char* projectsFolder = "Projects";
constexpr const char* templatesFolder = "Templates";
constexpr const char* librariesFolder = "LIBRARIES";
constexpr const char* generatedFolder = "FORTRAN PROGRAMS";

// programDirectory / "Projects" / name.
std::filesystem::path archiveDirectoryOf(const std::string& name);

} // namespace zim
