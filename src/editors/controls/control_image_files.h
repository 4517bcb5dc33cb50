// The image files of image buttons and image statics in the project folder: the record's
// image name with ".bmp" and ".ico". A control starts with copies of the template images,
// which are made when missing and never overwrite anything; a file the user chooses replaces
// the control's image. Nothing is written through a link or outside the project folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "archive/file_operations.h"
#include "editors/window/list_operation.h"

namespace zim {

enum class ControlImageType { bitmap, icon };
enum class ImageOwner { button, staticControl };

// ".bmp" or ".ico".
const char* imageExtension(ControlImageType type);

// The base name an image name field holds: up to its first zero, without blanks around it.
std::string imageBaseName(std::string_view field);

// The file name of the control's image of a type: base name and extension.
std::string imageFileName(std::string_view imageNameField, ControlImageType type);

// For each of the two types whose file is missing in the project folder, copies the owner's
// template ("BUTTON_BITMAP.bmp", "BUTTON_ICON.ico", "STATIC_BITMAP.bmp", "STATIC_ICON.ico")
// there under the image name and makes the copy writable. Whatever holds the name already (a
// file, a folder, a link) is left alone. Returns what could not be made and why: a template
// that is missing, a name that cannot be a file name, a failed copy.
FileFailures copyMissingTemplateImages(const ListFolders& folders, ImageOwner owner,
                                       std::string_view imageNameField);

// Puts a copy of `chosen` in the project folder as the control's image of the type, writable,
// in place of the file there. The old file is replaced only once the copy is whole, so a
// failure leaves it as it was. Refused when the name cannot be a file name or the image's
// place is a link or a folder. Returns whether the image is now the chosen file; on false,
// `failures` says why.
bool replaceImageFile(const std::filesystem::path& chosen,
                      const std::filesystem::path& projectFolder, std::string_view imageNameField,
                      ControlImageType type, FileFailures& failures);

} // namespace zim
