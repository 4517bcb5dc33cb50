#include "generator/text_sink.h"

#include <cerrno>
#include <charconv>

#include "model/project_file.h"

namespace zim {

TextSink::TextSink() : buffer(new char[capacity]) {}

void TextSink::writeNumber(int number) {
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    write(std::string_view(digits, static_cast<std::size_t>(end.ptr - digits)));
}

FileSink::FileSink(const std::filesystem::path& file) {
    file_ = openFile(file, "wb");
    if (!file_)
        error_ = std::strerror(errno);
}

FileSink::~FileSink() {
    close();
}

void FileSink::take(const char* text, std::size_t size) {
    if (file_ && std::fwrite(text, 1, size, file_) != size && error_.empty())
        error_ = std::strerror(errno);
}

std::string FileSink::close() {
    if (file_) {
        drain();
        if (std::fflush(file_) != 0 && error_.empty())
            error_ = std::strerror(errno);
        if (std::fclose(file_) != 0 && error_.empty())
            error_ = std::strerror(errno);
        file_ = nullptr;
    }
    return error_;
}

} // namespace zim
