#include "editors/window/window_size_image.h"

#include "editors/frame/bitmap_header.h"
#include "editors/frame/project_image_copy.h"
#include "editors/frame/wallpaper_image.h"
#include "editors/window/project_file_deletion.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr const char* pickerTitle = "Select new image";
constexpr const char* cancelled = "Operation was canceled...";
constexpr const char* selectionCaption = "New image selection...";
constexpr const char* question =
    "You selected new image as background for window.\rWould you like to replace current image?";
constexpr const char* declinedCaption = "Saving...";
constexpr const char* replaced = "Window image was replaced...";
constexpr const char* replacedCaption = "New window image selection...";
constexpr const char* unchanged = "\rThe window image was not changed...";
constexpr const char* templateMissing = "\rThe window keeps its previous size settings...";

PageMessage information(const char* text, const char* caption) {
    return {text, caption, box::ok | box::iconInformation, MessageOwner::none};
}

PageMessage stop(const std::string& text, const char* caption) {
    return {text, caption, box::ok | box::iconHand, MessageOwner::none};
}

} // namespace

void WindowSizeImage::load(const AppWindow& window) {
    windowHasImages_ = window.imageCount > 0;
    baseName_ = windowHasImages_ ? trimmed(window.images[0].fileName) : backgroundImageName(w_, 1);
    pending_ = false;
}

std::optional<PageMessage> WindowSizeImage::provide() {
    if (windowHasImages_ || pending_)
        return std::nullopt;
    const ImageCopyResult copy = copyImageIntoProject(folders_.templates / windowTemplateImageFile,
                                                      folders_.project, fileName());
    if (!copy.imageInPlace())
        return stop(copy.problem + templateMissing, selectionCaption);
    pending_ = true;
    return std::nullopt;
}

FileFailures WindowSizeImage::withdraw() {
    if (!pending_)
        return {};
    pending_ = false;
    return deleteProjectFiles(folders_.project, {fileName()});
}

bool WindowSizeImage::selectNew(WindowPagePrompts& prompts) {
    std::filesystem::path chosen;
    if (!prompts.openFile(pickerTitle, bitmapPickerFilter, chosen)) {
        prompts.show(information(cancelled, selectionCaption));
        return false;
    }
    const PageMessage ask{question, selectionCaption, box::yesNo | box::iconQuestion,
                          MessageOwner::none};
    if (prompts.show(ask) != box::answerYes) {
        prompts.show(information(cancelled, declinedCaption));
        return false;
    }
    const BitmapHeaderRead bitmap = readBitmapHeader(chosen);
    if (!bitmap.ok()) {
        prompts.show(stop(bitmap.problem + unchanged, replacedCaption));
        return false;
    }
    const ImageCopyResult copy = copyImageIntoProject(chosen, folders_.project, fileName());
    if (!copy.imageInPlace()) {
        prompts.show(stop(copy.problem + unchanged, replacedCaption));
        return false;
    }
    // Without images the chosen file only stands in image 1's place until Save adopts it.
    if (!windowHasImages_)
        pending_ = true;
    prompts.show(information(replaced, replacedCaption));
    return true;
}

} // namespace zim
