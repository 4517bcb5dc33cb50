// The project file: one whole Project as a plain little-endian byte stream (see
// project_layout.h for its items). Save and load are exact mirrors of each other.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "model/project.h"

namespace zim {

// Result of a file operation; on failure `error` says why, naming the file.
struct FileOutcome {
    bool ok = true;
    std::string error;

    explicit operator bool() const { return ok; }
    static FileOutcome failure(std::string why) { return {false, std::move(why)}; }
};

constexpr const char* projectFileExtension = ".zim";

// Writes the current Project to trim(applicationName) + ".zim" in the current directory
// (or the given directory). The file is written beside the target first and then renamed over
// it, so a failed save never destroys the previous file.
FileOutcome saveProjectFile();
FileOutcome saveProjectFile(const std::filesystem::path& directory);
FileOutcome saveProjectFileAs(const Project& source, const std::filesystem::path& file);

// Reads trim(name) + ".zim" from the current directory (or the given directory) into the
// current Project. The Project changes only when the whole file is valid: the counts are within
// the capacities and the file has exactly the length they imply. Otherwise it is left exactly
// as it was and the outcome says why.
FileOutcome loadProjectFile(const std::string& name);
FileOutcome loadProjectFile(const std::filesystem::path& directory, const std::string& name);
FileOutcome loadProjectFileAt(Project& target, const std::filesystem::path& file);

// Loads from an open stream positioned at its start; `label` names it in messages.
FileOutcome loadProjectStream(Project& target, std::FILE* stream, const std::string& label);

// Checks a file without loading it: counts and exact length.
FileOutcome checkProjectFile(const std::filesystem::path& file);

// The number of bytes saveProjectFile writes for this Project.
int64_t projectFileSize(const Project& source);

// The file name of a project: the trimmed name plus ".zim".
std::string projectFileName(const std::string& name);

// Opens a file by path (wide names on Windows), as std::fopen does.
std::FILE* openFile(const std::filesystem::path& file, const char* mode);

} // namespace zim
