#include "editors/window/positional_names.h"

#include <cctype>

#include "model/project.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace zim {

namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (lower(a[k]) != lower(b[k]))
            return false;
    return true;
}

// Reads a base name from left to right.
class NameReader {
  public:
    explicit NameReader(std::string_view text) : text_(text) {}

    bool take(std::string_view word) {
        if (!sameLetters(text_.substr(0, word.size()), word))
            return false;
        text_.remove_prefix(word.size());
        return true;
    }

    // Exactly `digits` decimal digits giving a number in 1..most.
    std::optional<int> number(std::size_t digits, int most) {
        if (text_.size() < digits)
            return std::nullopt;
        int value = 0;
        for (std::size_t k = 0; k < digits; ++k) {
            if (!std::isdigit(static_cast<unsigned char>(text_[k])))
                return std::nullopt;
            value = value * 10 + (text_[k] - '0');
        }
        if (value < 1 || value > most)
            return std::nullopt;
        text_.remove_prefix(digits);
        return value;
    }

    bool atEnd() const { return text_.empty(); }

  private:
    std::string_view text_;
};

std::optional<PositionalName> parseWindowFamily(NameReader& reader) {
    const std::optional<int> w = reader.number(3, maxWindows);
    if (!w)
        return std::nullopt;
    if (reader.atEnd())
        return PositionalName{PositionalKind::window, *w, 0, {}};
    if (reader.take(smallIconSuffix) && reader.atEnd())
        return PositionalName{PositionalKind::windowSmallIcon, *w, 0, {}};
    if (!reader.take("_"))
        return std::nullopt;
    const std::optional<int> i = reader.number(2, maxImages);
    if (!i || !reader.atEnd())
        return std::nullopt;
    return PositionalName{PositionalKind::image, *w, *i, {}};
}

std::optional<PositionalName> parseControl(NameReader& reader, bool isButton) {
    const std::optional<int> w = reader.number(3, maxWindows);
    if (!w || !reader.take("_"))
        return std::nullopt;
    const std::optional<int> k = reader.number(3, isButton ? maxButtons : maxStatics);
    if (!k)
        return std::nullopt;
    PositionalKind kind = isButton ? PositionalKind::button : PositionalKind::staticControl;
    if (isButton && reader.take(pushedImageSuffix))
        kind = PositionalKind::buttonPushed;
    else if (isButton && reader.take(disabledImageSuffix))
        kind = PositionalKind::buttonDisabled;
    if (!reader.atEnd())
        return std::nullopt;
    return PositionalName{kind, *w, *k, {}};
}

bool isPositionalExtension(std::string_view extension) {
    return sameLetters(extension, ".bmp") || sameLetters(extension, ".ico") ||
           sameLetters(extension, ".cur");
}

} // namespace

std::string positionalBaseName(PositionalKind kind, int window, int index) {
    switch (kind) {
    case PositionalKind::window:
        return windowFileName(window);
    case PositionalKind::windowSmallIcon:
        return windowFileName(window) + smallIconSuffix;
    case PositionalKind::image:
        return backgroundImageName(window, index);
    case PositionalKind::button:
        return buttonImageName(window, index);
    case PositionalKind::buttonPushed:
        return buttonImageName(window, index) + pushedImageSuffix;
    case PositionalKind::buttonDisabled:
        return buttonImageName(window, index) + disabledImageSuffix;
    case PositionalKind::staticControl:
        return staticImageName(window, index);
    }
    return {};
}

std::string positionalFileName(const PositionalName& name) {
    return positionalBaseName(name.kind, name.window, name.index) + name.extension;
}

std::optional<PositionalName> parsePositionalFileName(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || !isPositionalExtension(fileName.substr(dot)))
        return std::nullopt;
    NameReader reader(fileName.substr(0, dot));
    std::optional<PositionalName> name;
    if (reader.take("Wnd_"))
        name = parseWindowFamily(reader);
    else if (reader.take("Button_"))
        name = parseControl(reader, true);
    else if (reader.take("Static_"))
        name = parseControl(reader, false);
    if (name)
        name->extension = std::string(fileName.substr(dot));
    return name;
}

bool namesPlace(std::string_view fieldText, PositionalKind kind, int window, int index) {
    return sameLetters(fieldText, positionalBaseName(kind, window, index));
}

void followPlace(char* field, std::size_t length, PositionalKind kind, Place from, Place to) {
    if (namesPlace(trimmedText(field, length), kind, from.window, from.index))
        setTextField(field, length, positionalBaseName(kind, to.window, to.index));
}

} // namespace zim
