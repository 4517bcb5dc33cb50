#include "editors/controls/control_image_files.h"

#include <system_error>

#include "archive/safe_name.h"
#include "model/file_links.h"
#include "model/name_path.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

struct TemplateImage {
    ControlImageType type;
    const char* file;
};

constexpr TemplateImage buttonTemplates[] = {{ControlImageType::bitmap, "BUTTON_BITMAP.bmp"},
                                             {ControlImageType::icon, "BUTTON_ICON.ico"}};
constexpr TemplateImage staticTemplates[] = {{ControlImageType::bitmap, "STATIC_BITMAP.bmp"},
                                             {ControlImageType::icon, "STATIC_ICON.ico"}};

// Where a copy is made whole before it takes the image's name.
constexpr const char* copyingSuffix = ".zim-copying";

std::string inQuotes(const std::string& name) {
    return "\"" + name + "\"";
}

std::string because(const std::error_code& ec) {
    return ": " + ec.message() + ".";
}

bool isTaken(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

void makeWritable(const fs::path& file, std::error_code& ec) {
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
}

// The image's file name when the name field can name a file in the project folder.
bool safeFileName(std::string_view field, ControlImageType type, std::string& fileName,
                  FileFailures& failures) {
    const std::string base = imageBaseName(field);
    const std::string reason = unsafeNameReason(base);
    if (!reason.empty()) {
        failures.add("The image name " + inQuotes(base) + " cannot name a file: " + reason + ".");
        return false;
    }
    fileName = base + imageExtension(type);
    return true;
}

// Copies to a name that is free, never over anything; a broken copy is removed again.
bool copyToFreeName(const fs::path& from, const fs::path& to, std::error_code& ec) {
    fs::copy_file(from, to, fs::copy_options::none, ec);
    if (!ec)
        makeWritable(to, ec); // a copy of a read-only file must stay changeable
    if (ec) {
        std::error_code ignored;
        fs::remove(to, ignored);
    }
    return !ec;
}

// Why the image's place cannot take a new file, or "" when it can.
std::string placeProblem(const fs::path& target) {
    std::error_code ec;
    if (isLink(target))
        return ": it is a link, which is never followed.";
    if (fs::is_directory(fs::symlink_status(target, ec)))
        return ": it is a folder.";
    return "";
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

// A copy left over from an earlier failure is cleared; anything else there is in the way.
bool clearCopyingName(const fs::path& copying, std::error_code& ec) {
    if (!isTaken(copying))
        return true;
    if (isLink(copying) || !fs::is_regular_file(fs::symlink_status(copying, ec))) {
        ec = std::make_error_code(std::errc::file_exists);
        return false;
    }
    makeWritable(copying, ec);
    return !ec && fs::remove(copying, ec);
}

// Makes the copy beside the image first and only then lets it take the image's name, so a
// failed copy never leaves a broken image.
bool copyInPlaceOf(const fs::path& chosen, const fs::path& target, std::error_code& ec) {
    fs::path copying = target;
    copying += copyingSuffix;
    if (!clearCopyingName(copying, ec) || !copyToFreeName(chosen, copying, ec))
        return false;
    if (isTaken(target))
        makeWritable(target, ec); // Windows does not replace a read-only file
    if (!ec)
        fs::rename(copying, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(copying, ignored);
    }
    return !ec;
}

} // namespace

const char* imageExtension(ControlImageType type) {
    return type == ControlImageType::icon ? ".ico" : ".bmp";
}

std::string imageBaseName(std::string_view field) {
    field = field.substr(0, field.find('\0'));
    const auto first = field.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(field.substr(first, field.find_last_not_of(' ') - first + 1));
}

std::string imageFileName(std::string_view imageNameField, ControlImageType type) {
    return imageBaseName(imageNameField) + imageExtension(type);
}

FileFailures copyMissingTemplateImages(const ListFolders& folders, ImageOwner owner,
                                       std::string_view imageNameField) {
    FileFailures failures;
    const auto& templates = owner == ImageOwner::button ? buttonTemplates : staticTemplates;
    for (const TemplateImage& image : templates) {
        std::string fileName;
        if (!safeFileName(imageNameField, image.type, fileName, failures))
            return failures;
        const fs::path target = folders.project / pathFromName(fileName);
        if (isTaken(target))
            continue;
        const fs::path source = folders.templates / image.file;
        std::error_code ec;
        if (!fs::is_regular_file(source, ec)) {
            failures.add("The template image " + inQuotes(image.file) + " is missing, so " +
                         inQuotes(fileName) + " was not made.");
            continue;
        }
        if (!copyToFreeName(source, target, ec))
            failures.add("Could not copy " + inQuotes(image.file) + " to " + inQuotes(fileName) +
                         because(ec));
    }
    return failures;
}

bool replaceImageFile(const fs::path& chosen, const fs::path& projectFolder,
                      std::string_view imageNameField, ControlImageType type,
                      FileFailures& failures) {
    std::string fileName;
    if (!safeFileName(imageNameField, type, fileName, failures))
        return false;
    const fs::path target = projectFolder / pathFromName(fileName);
    const std::string problem = placeProblem(target);
    if (!problem.empty()) {
        failures.add("Could not replace " + inQuotes(fileName) + problem);
        return false;
    }
    if (sameFile(chosen, target))
        return true; // the chosen file is the image already

    std::error_code ec;
    if (copyInPlaceOf(chosen, target, ec))
        return true;
    failures.add("Could not copy " + inQuotes(nameFromPath(chosen)) + " to " + inQuotes(fileName) +
                 because(ec));
    return false;
}

} // namespace zim
