// "Select New Image" of the wallpaper page: the file picker, the question, and the copy of the
// chosen bitmap into the project folder as the wallpaper's one image file. The copy happens at
// once; "Restore Previous Parameters" does not bring the old image back.
#pragma once

#include <filesystem>

#include "editors/frame/page_message.h"
#include "model/project.h"

namespace zim {

// The wallpaper's image is always this file of the project folder, whatever the chosen file
// was called; the generator copies it from there.
constexpr const char* wallpaperImageFileName = "Wallpaper.bmp";
constexpr const char* wallpaperImageBaseName = "Wallpaper";

constexpr const char* wallpaperImagePickerTitle = "Select new background image for the wallpaper";
constexpr const char* bitmapPickerFilter = "BMP-files (*.bmp)|*.bmp||";

// The picker was cancelled.
PageMessage wallpaperImagePickCancelled();
// Asked once a file is chosen (Yes / No).
PageMessage wallpaperImageQuestion();
// The answer to the question was No.
PageMessage wallpaperImageDeclined();

struct WallpaperImageReplacement {
    bool imageInPlace = false; // the wallpaper shows the chosen image: draw the preview again
    PageMessage message;       // shown in every case
};

// Checks that the chosen file is a usable bitmap and copies it over "Wallpaper.bmp" of the
// project folder (copyImageIntoProject); on success the wallpaper names that file. A file
// that is no bitmap, a copy that is refused or fails, leave the previous image and the record
// as they were, and the message says why. Choosing "Wallpaper.bmp" itself changes nothing.
WallpaperImageReplacement replaceWallpaperImage(Wallpaper& wallpaper,
                                                const std::filesystem::path& chosen,
                                                const std::filesystem::path& projectFolder);

} // namespace zim
