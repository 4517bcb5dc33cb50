// The generation driver: fills an existing output directory with a compiler project made from
// a Project, in a fixed order. It reads only from the libraries folder and the project's
// archive folder and writes only into the output directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/project.h"

namespace zim {

// The design data of the compiler project, carried by the generated program as a resource.
constexpr const char* designDataFileName = "ZIM_GUI.zim";

// The files copied unchanged from the libraries folder into every compiler project, in order.
constexpr const char* libraryFileNames[] = {
    "MSImg32.Lib",          "ZIM.lib", "resource.h", "resource.fd", "ZIM_User_On_Init.f90",
    "ZIM_User_On_Exit.f90",
};

struct GenerationPaths {
    std::filesystem::path outputDirectory;
    std::filesystem::path librariesDirectory;
    std::filesystem::path archiveDirectory; // the project's folder, source of its image files
    std::string projectName;                // the resource script is projectName + ".rc"
};

// A file of the output directory and why it could not be made.
struct FileFailure {
    std::string file;
    std::string reason;

    bool operator==(const FileFailure& other) const {
        return file == other.file && reason == other.reason;
    }
};

struct ProducedFile {
    enum How { written, copied };

    std::string file; // name in the output directory
    How how;
    std::string failure; // "" when the file was made
};

// What a generation did, file by file in the order the files were produced; a file that is
// copied more than once appears each time.
struct GenerationReport {
    std::vector<ProducedFile> files;

    // Every failure of that kind, each (file, reason) once, in order.
    std::vector<FileFailure> failures(ProducedFile::How how) const;
    bool allWritten() const { return failures(ProducedFile::written).empty(); }
    bool complete() const { return allWritten() && failures(ProducedFile::copied).empty(); }
};

// Produces, in this order: "ZIM_GUI.zim" (the Project saved byte for byte as a project file),
// the library files, the resource script (copying each image file it declares just before
// its line) and "ZIM_ButtonDefinedAction.f90". Every copy overwrites. A file that cannot be
// made is reported and generation goes on with the next one.
GenerationReport generateCompilerProject(const Project& source, const GenerationPaths& paths);

} // namespace zim
