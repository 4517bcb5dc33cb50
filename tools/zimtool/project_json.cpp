#include "zimtool/project_json.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/project_layout.h"
#include "model/record_fields.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {

namespace {

bool endsWith(const char* text, const char* suffix) {
    const std::size_t n = std::strlen(text), m = std::strlen(suffix);
    return n >= m && std::strcmp(text + n - m, suffix) == 0;
}

// Bytes above 0x7F are shown as the Latin-1 characters they stand for in the ANSI code page.
std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        char escaped[8];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string colourText(int32_t colour) {
    if (colour & ~0xFFFFFF)
        return std::to_string(colour);
    char text[16];
    std::snprintf(text, sizeof text, "\"#%02X%02X%02X\"", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

const ValueList* styleListOf(const char* name, std::size_t length) {
    const ValueList* lists[] = {&classStyleList,  &windowStyleList, &extendedStyleList,
                                &dialogStyleList, &buttonStyleList, &staticStyleList};
    if (!endsWith(name, "Styles"))
        return nullptr;
    for (const ValueList* list : lists)
        if (static_cast<std::size_t>(list->count) == length)
            return list;
    return nullptr;
}

// Writes the fields of one object; nested objects and arrays are opened by the caller.
class JsonObject {
  public:
    JsonObject(std::ostream& out, int depth) : out_(out), depth_(depth) { out_ << "{"; }

    void item(const char* name, const int32_t& value) {
        key(name);
        out_ << (endsWith(name, "Colour") ? colourText(value) : std::to_string(value));
    }
    template <std::size_t N> void item(const char* name, const char (&field)[N]) {
        key(name);
        out_ << jsonString(displayText(field, N));
    }
    template <std::size_t N> void item(const char* name, const int32_t (&values)[N]) {
        key(name);
        out_ << "[";
        if (const ValueList* list = styleListOf(name, N)) {
            bool first = true;
            for (std::size_t k = 0; k < N; ++k)
                if (values[k] != 0) {
                    out_ << (first ? "" : ", ") << jsonString(list->entries[k].name);
                    first = false;
                }
        } else {
            for (std::size_t k = 0; k < N; ++k)
                out_ << (k ? ", " : "") << values[k];
        }
        out_ << "]";
    }
    void item(const char* name, const LogFont& font) {
        key(name);
        JsonObject f(out_, depth_ + 1);
        f.item("height", font.height);
        f.item("width", font.width);
        f.item("escapement", font.escapement);
        f.item("orientation", font.orientation);
        f.item("weight", font.weight);
        f.byte("italic", font.italic);
        f.byte("underline", font.underline);
        f.byte("strikeOut", font.strikeOut);
        f.byte("charSet", font.charSet);
        f.byte("outPrecision", font.outPrecision);
        f.byte("clipPrecision", font.clipPrecision);
        f.byte("quality", font.quality);
        f.byte("pitchAndFamily", font.pitchAndFamily);
        f.item("faceName", font.faceName);
        f.close();
    }
    void byte(const char* name, uint8_t value) {
        key(name);
        out_ << static_cast<int>(value);
    }
    // Counted records are written by the caller; the file's order moves them, not the dump.
    template <class T> void records(const T*, int32_t) {}
    bool count(int32_t, int, int, const char*, int) { return true; }

    void key(const char* name) {
        out_ << (empty_ ? "\n" : ",\n") << indent(depth_ + 1) << "\"" << name << "\": ";
        empty_ = false;
    }
    void close() { out_ << "\n" << indent(depth_) << "}"; }

    template <class T, class Visit>
    void array(const char* name, const T* records, int32_t count, Visit visit) {
        key(name);
        out_ << "[";
        for (int32_t k = 0; k < count; ++k) {
            out_ << (k ? ", " : "");
            JsonObject record(out_, depth_ + 1);
            visit(record, records[k]);
            record.close();
        }
        out_ << "]";
    }

    std::ostream& stream() { return out_; }
    int depth() const { return depth_; }

  private:
    static std::string indent(int depth) { return std::string(2 * depth, ' '); }

    std::ostream& out_;
    int depth_;
    bool empty_ = true;
};

void writeWindow(JsonObject& record, const AppWindow& w) {
    transferWindowHead(record, w);
    record.array("images", w.images, w.imageCount,
                 [](JsonObject& o, const BackgroundImage& r) { visitImageFields(o, r); });
    transferWindowMiddle(record, w);
    record.array("buttons", w.buttons, w.buttonCount,
                 [](JsonObject& o, const ButtonControl& r) { visitButtonFields(o, r); });
    record.array("statics", w.statics, w.staticCount,
                 [](JsonObject& o, const StaticControl& r) { visitStaticFields(o, r); });
}

} // namespace

void writeProjectJson(const Project& source, std::ostream& out) {
    JsonObject top(out, 0);
    top.key("program");
    JsonObject program(out, 1);
    transferProgramFields(program, source.program);
    program.close();
    top.key("wallpaper");
    JsonObject paper(out, 1);
    transferWallpaperFields(paper, source.wallpaper);
    paper.close();
    const int32_t windows = std::max(0, std::min(source.program.windowCount, maxWindows));
    top.array("windows", source.windows, windows, writeWindow);
    top.close();
    out << "\n";
}

} // namespace zim
