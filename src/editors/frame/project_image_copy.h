// Copying an image the user chose into the open project's folder, under the name of the
// page's own image file (the wallpaper's "Wallpaper.bmp"): replacing that one file is the
// point, and nothing else in the folder or outside it is ever written.
#pragma once

#include <filesystem>
#include <string>

namespace zim {

enum class ImageCopyStatus {
    copied,       // the target now holds a copy of the chosen file
    alreadyThere, // the chosen file is the target itself: nothing to copy
    refused,      // nothing was touched
    failed,       // the copy did not complete; the previous target is unchanged
};

struct ImageCopyResult {
    ImageCopyStatus status = ImageCopyStatus::copied;
    // refused and failed: what went wrong, naming the file concerned.
    std::string problem;

    bool imageInPlace() const {
        return status == ImageCopyStatus::copied || status == ImageCopyStatus::alreadyThere;
    }
};

// Copies `chosen` to `projectFolder` / `targetName`. The copy is written under a free
// temporary name beside the target, made writable, and then renamed over the target, so a
// copy that fails halfway leaves the previous image as it was and the temporary file is
// removed. Refused before anything is touched: a target name that is not a plain file name
// (it could lead out of the folder), a project folder that is missing or is a link, a chosen
// file that is missing or no file, and a target that is a link or is not a file (a folder in
// the way). A chosen file that is the target itself is only made writable.
ImageCopyResult copyImageIntoProject(const std::filesystem::path& chosen,
                                     const std::filesystem::path& projectFolder,
                                     const std::string& targetName);

} // namespace zim
