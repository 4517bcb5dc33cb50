#include "editors/frame/wallpaper_image.h"

#include "editors/frame/bitmap_header.h"
#include "editors/frame/project_image_copy.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr const char* cancelled = "Operation was canceled...";
constexpr const char* selectionCaption = "New wallpaper image selection...";
constexpr const char* question =
    "You selected new image for use in wallpaper.\rWould you like to replace current image?";
constexpr const char* declinedCaption = "Saving...";
constexpr const char* replaced = "Wallpaper image was replaced...";
constexpr const char* replacedCaption = "Wallpaper selection...";
constexpr const char* alreadyInPlace = "The selected image is the wallpaper image already...";
constexpr const char* unchanged = "\rThe wallpaper image was not changed...";

PageMessage stop(const std::string& text, const char* caption) {
    return {text, caption, box::ok | box::iconHand, MessageOwner::none};
}

PageMessage information(const char* text) {
    return {text, replacedCaption, box::ok | box::iconInformation, MessageOwner::none};
}

} // namespace

PageMessage wallpaperImagePickCancelled() {
    return stop(cancelled, selectionCaption);
}

PageMessage wallpaperImageQuestion() {
    return {question, selectionCaption, box::yesNo, MessageOwner::none};
}

PageMessage wallpaperImageDeclined() {
    return stop(cancelled, declinedCaption);
}

WallpaperImageReplacement replaceWallpaperImage(Wallpaper& wallpaper,
                                                const std::filesystem::path& chosen,
                                                const std::filesystem::path& projectFolder) {
    const BitmapHeaderRead bitmap = readBitmapHeader(chosen);
    if (!bitmap.ok())
        return {false, stop(bitmap.problem + unchanged, selectionCaption)};
    const ImageCopyResult copy =
        copyImageIntoProject(chosen, projectFolder, wallpaperImageFileName);
    switch (copy.status) {
    case ImageCopyStatus::copied:
        setText(wallpaper.imageFile, wallpaperImageBaseName);
        return {true, information(replaced)};
    case ImageCopyStatus::alreadyThere:
        setText(wallpaper.imageFile, wallpaperImageBaseName);
        return {true, information(alreadyInPlace)};
    case ImageCopyStatus::refused:
    case ImageCopyStatus::failed:
        break;
    }
    return {false, stop(copy.problem + unchanged, selectionCaption)};
}

} // namespace zim
