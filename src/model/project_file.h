// The project file: one whole Project as a plain little-endian byte stream (see
// project_layout.h for its items). Save and load are exact mirrors of each other.
#pragma once

#include <cstddef>
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

// A project is named by its folder: the project of the archive entry <name> is always the file
// <name>.zim in that folder, whatever name the file itself stores. No path is ever built from
// text read from a file.
//
// Writes the current Project to directory / (name + ".zim"), or for the overload without a
// name to the file named after the directory's own folder name. The file is written beside the
// target first and then renamed over it, so a failed save never destroys the previous file. A
// target or temporary file that is a link is refused, never written through.
FileOutcome saveProjectFile(const std::filesystem::path& directory, const std::string& name);
FileOutcome saveProjectFile(const std::filesystem::path& directory);
FileOutcome saveProjectFileAs(const Project& source, const std::filesystem::path& file);

// Reads directory / (name + ".zim") into the current Project (or `target`). The Project changes
// only when the whole file is valid: the counts are within the capacities and the file has
// exactly the length they imply. Otherwise it is left exactly as it was and the outcome says
// why. A loaded project takes `name` as its applicationName, so it is shown and saved under
// the name of its folder.
FileOutcome loadProjectFile(const std::filesystem::path& directory, const std::string& name);
FileOutcome loadProjectFile(Project& target, const std::filesystem::path& directory,
                            const std::string& name);
// Reads a file as it is, stored name included.
FileOutcome loadProjectFileAt(Project& target, const std::filesystem::path& file);

// Loads from an open stream positioned at its start; `label` names it in messages.
FileOutcome loadProjectStream(Project& target, std::FILE* stream, const std::string& label);

// Loads from a block of memory, such as the design data a generated program carries as a
// resource, with the same checks; `subject` names the data in messages ("The design data").
FileOutcome loadProjectBytes(Project& target, const void* data, std::size_t size,
                             const std::string& subject);

// Checks a file without loading it: counts and exact length.
FileOutcome checkProjectFile(const std::filesystem::path& file);

// The number of bytes saveProjectFile writes for this Project.
int64_t projectFileSize(const Project& source);

// The file name of a project: the name without trailing blanks plus ".zim".
std::filesystem::path projectFileName(const std::string& name);

// Opens a file by path (wide names on Windows), as std::fopen does.
std::FILE* openFile(const std::filesystem::path& file, const char* mode);

} // namespace zim
