#include "generator/resource_script.h"

#include <algorithm>

#include "archive/safe_name.h"

namespace zim {

namespace {

constexpr std::size_t nameWidth = 24;
constexpr std::size_t typeWidth = 8;
constexpr std::size_t optionWidth = 16;
constexpr std::size_t fileWidth = 30;

constexpr const char* scriptHead[] = {
    "//Microsoft Developer Studio generated resource script.",
    "//",
    "#include \"resource.h\"",
    "#define APSTUDIO_READONLY_SYMBOLS",
    "#include \"afxres.h\"",
    "#undef APSTUDIO_READONLY_SYMBOLS",
    "#if !defined(AFX_RESOURCE_DLL) || defined(AFX_TARG_ENU)",
    "#ifdef _WIN32",
    "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US",
    "#pragma code_page(1252)",
    "#endif //_WIN32",
};

constexpr const char* scriptTail[] = {
    "#endif    // English (U.S.) resources",
    "#ifndef APSTUDIO_INVOKED",
    "#endif    // not APSTUDIO_INVOKED",
};

void appendPadded(std::string& line, std::string_view value, std::size_t width) {
    line.append(value);
    if (value.size() < width)
        line.append(width - value.size(), ' ');
}

// A name field of the design without the blanks around it.
template <std::size_t N> std::string modelName(const char (&field)[N]) {
    const std::string name = trimmedName(std::string_view(field, N));
    return name.substr(std::min(name.find_first_not_of(' '), name.size()));
}

class ScriptWriter {
  public:
    ScriptWriter(TextSink& sink, const CopyImage& copy) : sink_(sink), copy_(copy) {}

    // Copies name + extension, then declares it.
    void image(const std::string& name, const char* extension, const char* type,
               ImageSource from = ImageSource::archive) {
        const std::string file = name + extension;
        copy_(file, from);
        sink_.line(resourceLine(name, type, file));
    }

    // The image of an image button or image static: an icon from a file or a bitmap; a
    // standard icon needs neither a copy nor a line.
    void controlImage(int32_t imageKind, int32_t standardImage, const std::string& name) {
        if (imageKind == 1 && standardImage == 0)
            image(name, ".ico", "ICON");
        else if (imageKind == 2)
            image(name, ".bmp", "BITMAP");
    }

    void wallpaper(const Project& source) {
        if (source.program.wallpaperPresent == 0)
            return;
        image("ZIM_W", ".ico", "ICON", ImageSource::libraries);
        const Wallpaper& wp = source.wallpaper;
        if (wp.imagePresent == 0)
            return;
        // The wallpaper bitmap is always the project's "Wallpaper.bmp"; it is copied also when
        // the generated program loads it from the file rather than from its resources.
        copy_("Wallpaper.bmp", ImageSource::archive);
        if (wp.imageFromResource != 0)
            sink_.line(resourceLine("WALLPAPER", "BITMAP", "Wallpaper.bmp"));
    }

    // The loader keeps every count within its capacity; the limits below keep a Project that
    // was damaged in memory from being read past its arrays all the same.
    void window(const AppWindow& win) {
        if (win.iconSource == 0)
            image(modelName(win.iconName), ".ico", "ICON");
        if (win.smallIconSource == 0)
            image(modelName(win.smallIconName), ".ico", "ICON");
        if (win.cursorSource == 0)
            image(modelName(win.cursorName), ".cur", "CURSOR");
        for (int i = 0; i < std::min(win.imageCount, maxImages); ++i) {
            const BackgroundImage& img = win.images[i];
            const std::string name = modelName(img.fileName);
            copy_(name + ".bmp", ImageSource::archive);
            if (img.imageFromResource != 0)
                sink_.line(resourceLine(name, "BITMAP", name + ".bmp"));
        }
        for (int b = 0; b < std::min(win.buttonCount, maxButtons); ++b) {
            const ButtonControl& button = win.buttons[b];
            if (button.kind == 1)
                controlImage(button.imageKind, button.standardImage, modelName(button.imageName));
        }
        for (int s = 0; s < std::min(win.staticCount, maxStatics); ++s) {
            const StaticControl& control = win.statics[s];
            if (control.kind == 2)
                controlImage(control.imageKind, control.standardImage,
                             modelName(control.imageName));
        }
    }

  private:
    TextSink& sink_;
    const CopyImage& copy_;
};

} // namespace

std::string resourceLine(std::string_view name, std::string_view type, std::string_view file) {
    std::string line;
    line.reserve(nameWidth + typeWidth + optionWidth + fileWidth + 1);
    appendPadded(line, name, nameWidth);
    if (name.size() >= nameWidth)
        line.push_back(' ');
    appendPadded(line, type, typeWidth);
    appendPadded(line, "DISCARDABLE", optionWidth);
    line.push_back('"');
    line.append(file);
    line.push_back('"');
    if (file.size() + 2 < fileWidth)
        line.append(fileWidth - file.size() - 2, ' ');
    return line;
}

void writeResourceScript(TextSink& sink, const Project& source, const CopyImage& copy) {
    for (const char* text : scriptHead)
        sink.line(text);
    sink.line(resourceLine("GUI_DATA", "ZIMFILE", "ZIM_GUI.zim"));

    ScriptWriter writer(sink, copy);
    writer.wallpaper(source);
    for (int w = 0; w < std::min(source.program.windowCount, maxWindows); ++w)
        writer.window(source.windows[w]);

    for (const char* text : scriptTail)
        sink.line(text);
}

} // namespace zim
