#include "editors/window/control_templates.h"

#include <system_error>

namespace zim {

namespace fs = std::filesystem;

namespace {

struct TemplateImage {
    const char* file;
    const char* extension;
};

constexpr TemplateImage buttonTemplates[] = {{"BUTTON_BITMAP.bmp", ".bmp"},
                                             {"BUTTON_ICON.ico", ".ico"}};
constexpr TemplateImage staticTemplates[] = {{"STATIC_BITMAP.bmp", ".bmp"},
                                             {"STATIC_ICON.ico", ".ico"}};

} // namespace

void planControlTemplates(FilePlan& plan, FileFailures& notes, const ListFolders& folders,
                          PositionalKind kind, int w, int index) {
    const auto& templates = kind == PositionalKind::button ? buttonTemplates : staticTemplates;
    for (const TemplateImage& image : templates) {
        const fs::path source = folders.templates / image.file;
        const std::string target = positionalBaseName(kind, w, index) + image.extension;
        std::error_code ec;
        if (fs::is_regular_file(source, ec))
            plan.copy(source, folders.project / target);
        else
            notes.add("The template image \"" + std::string(image.file) + "\" is missing, so \"" +
                      target + "\" was not made.");
    }
}

} // namespace zim
