#include "generator/comment_text.h"

#include <cstdint>
#include <cstring>

namespace zim {

namespace {

// Captions and descriptions are mostly blank padding or plain text, so the scans below look at
// eight characters at a time and only fall back to single characters near what they seek.
constexpr uint64_t eachByte = 0x0101010101010101ull;

uint64_t eightAt(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Nonzero when one of the eight bytes is below 0x20.
uint64_t hasControl(uint64_t word) {
    return (word - eachByte * 0x20) & ~word & (eachByte * 0x80);
}

std::size_t withoutTrailingBlanks(const char* text, std::size_t size) {
    while (size >= 8 && eightAt(text + size - 8) == eachByte * ' ')
        size -= 8;
    while (size > 0 && text[size - 1] == ' ')
        --size;
    return size;
}

std::size_t firstControl(std::string_view text, std::size_t from) {
    while (from + 8 <= text.size() && !hasControl(eightAt(text.data() + from)))
        from += 8;
    while (from < text.size() && static_cast<unsigned char>(text[from]) >= 0x20)
        ++from;
    return from;
}

// The field's text left-adjusted and cut at its first NUL, without the blanks that would pad
// it back to the field's length: leading blanks move to the end, and a NUL ends a caption the
// window system was given, so whatever follows it is left over from an older, longer text.
std::string_view prepared(const char (&field)[commentFieldLength]) {
    std::string_view text(field, commentFieldLength);
    const std::size_t lead = text.find_first_not_of(' ');
    if (lead == std::string_view::npos)
        return {};
    text.remove_prefix(lead);
    const void* nul = std::memchr(text.data(), '\0', text.size());
    if (nul != nullptr)
        text =
            text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
    return text;
}

// Characters `first` to `first + count` of the prepared text, without trailing blanks.
std::string_view piece(std::string_view text, std::size_t first, std::size_t count) {
    if (first >= text.size())
        return {};
    text = text.substr(first, count);
    return text.substr(0, withoutTrailingBlanks(text.data(), text.size()));
}

} // namespace

std::string_view commentCaption(const char (&field)[commentFieldLength]) {
    return piece(prepared(field), 0, commentFieldLength);
}

std::array<std::string_view, 3> commentDescription(const char (&field)[commentFieldLength]) {
    const std::string_view text = prepared(field);
    return {piece(text, 0, 100), piece(text, 100, 100), piece(text, 200, 60)};
}

// Control characters are blanked after the trailing blanks are removed: each still stands for
// a character of the text.
void writeCommentText(TextSink& sink, std::string_view text) {
    std::size_t start = 0;
    for (std::size_t k = firstControl(text, 0); k < text.size(); k = firstControl(text, k + 1)) {
        sink.write(text.substr(start, k - start));
        sink.write(" ");
        start = k + 1;
    }
    sink.write(text.substr(start));
}

} // namespace zim
