// The list of background images of one window: add, replace, delete and move, each with its
// bitmap file. The file of image i of window w is always named after its place,
// "Wnd_www_ii.bmp", so it moves whenever its record does.
#pragma once

#include <filesystem>
#include <optional>

#include "editors/frame/page_message.h"
#include "editors/window/list_operation.h"
#include "editors/window/record_list_plans.h"
#include "model/project.h"

namespace zim {

// The refusal "Add New" meets before the file picker opens: the window holds 10 images.
std::optional<PageMessage> imageAddRefusal(const Project& project, int w);

// Appends an image with the defaults of a new one; the chosen bitmap is copied under its
// positional name (a stale file of that name goes). The result selects the new image.
ListOperation planAddImage(Project& project, const ListFolders& folders, int w,
                           const std::filesystem::path& chosenFile);

// Copies the chosen bitmap over the file of the image at `position`; the old file is kept
// until the copy is in place. The image's record keeps its values and names its place's file.
ListOperation planReplaceImage(Project& project, const ListFolders& folders, int w, int position,
                               const std::filesystem::path& chosenFile);

// The window size that a deletion fixes, when the deleted image gave the window its size.
struct FixedWindowSize {
    int width = 0;
    int height = 0;
};

// Deletes the image at `position` and its file; the images after it move up one place with
// their files. With `fixSize` the window also takes size mode 2 with that size, in the same
// step. The result selects the first image.
ListOperation planDeleteImage(Project& project, const ListFolders& folders, int w, int position,
                              std::optional<FixedWindowSize> fixSize = std::nullopt);

// Exchanges the image at `position` with its neighbour, files included; the result selects
// the moved image. The first image up or the last one down stays where it is.
ListOperation planMoveImage(Project& project, const ListFolders& folders, int w, int position,
                            MoveDirection direction);

} // namespace zim
