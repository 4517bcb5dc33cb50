// The image that gives a window in size mode 1 ("Use Image Dimensions") its size: image 1 of
// the window, "Wnd_www_01.bmp" in the project folder. A window without background images that
// is switched to that mode gets a provisional copy of the template "WND_BACKGROUND.bmp" under
// image 1's name; the copy becomes the window's image when the page saves in that mode, and
// is deleted again when the user chooses another size mode or restores the page. A window
// that holds images keeps its own image 1; "Select New Image" replaces that file at once.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "archive/file_operations.h"
#include "editors/frame/page_message.h"
#include "editors/window/list_operation.h"
#include "editors/window/window_page_prompts.h"
#include "model/project.h"

namespace zim {

constexpr const char* windowTemplateImageFile = "WND_BACKGROUND.bmp";

class WindowSizeImage {
  public:
    WindowSizeImage(ListFolders folders, int window) : folders_(std::move(folders)), w_(window) {}

    // Takes the window's image 1 (or, without images, image 1's name) and forgets any
    // provisional copy, which the caller has withdrawn or adopted before. Touches no file.
    void load(const AppWindow& window);

    // The base name of the image the page's preview shows, without ".bmp".
    const std::string& baseName() const { return baseName_; }
    std::string fileName() const { return baseName_ + ".bmp"; }

    // Whether a provisional image lies in the project folder for a window without images.
    bool pending() const { return pending_; }

    // Size mode 1 was chosen. A window without images gets the template copy, unless a
    // provisional image is there already (the user may have chosen one). Returns why the
    // template could not be copied; the caller then keeps the previous size mode.
    std::optional<PageMessage> provide();

    // Another size mode was chosen, or the page was restored: the provisional image is
    // deleted. Returns what could not be deleted (a link is never followed or deleted).
    FileFailures withdraw();

    // The page saved the window in size mode 1 with the provisional image as its image 1.
    void adopt() { pending_ = false; }

    // "Select New Image": the picker, the question, and the copy of the chosen bitmap over the
    // image's file. Without images the copy is provisional like the template's. A file that is
    // no bitmap, and a copy that is refused or fails, leave the image as it was. Returns
    // whether the image changed (the preview then reloads).
    bool selectNew(WindowPagePrompts& prompts);

  private:
    ListFolders folders_;
    int w_;
    bool windowHasImages_ = false;
    std::string baseName_;
    bool pending_ = false;
};

} // namespace zim
