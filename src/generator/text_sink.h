// Where the generators write their text: a string (tests, previews) or a file. Generated files
// are written one record per line; every line starts with one blank and ends with CR LF.
//
// A full-capacity project makes megabytes of short pieces, so the sink collects them in a
// buffer of its own with inline appends and hands the buffer to its back-end when it is full.
#pragma once

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace zim {

class TextSink {
  public:
    virtual ~TextSink() = default;
    TextSink(const TextSink&) = delete;
    TextSink& operator=(const TextSink&) = delete;

    void write(std::string_view text) {
        if (text.empty())
            return;
        if (text.size() > capacity - used) {
            drain();
            if (text.size() > capacity) {
                take(text.data(), text.size());
                return;
            }
        }
        std::memcpy(buffer.get() + used, text.data(), text.size());
        used += text.size();
    }

    // A number in decimal, without blanks or leading zeros.
    void writeNumber(int number);

    // One record: the leading blank, the text, CR LF.
    void line(std::string_view text) {
        beginLine();
        write(text);
        endLine();
    }
    void beginLine() { write(" "); }
    void endLine() { write("\r\n"); }

  protected:
    TextSink();

    // Hands the buffered text to the back-end and empties the buffer.
    void drain() {
        if (used > 0)
            take(buffer.get(), used);
        used = 0;
    }

  private:
    // The back-end: keeps or writes out the next piece of text.
    virtual void take(const char* text, std::size_t size) = 0;

    static constexpr std::size_t capacity = 1 << 16;
    std::unique_ptr<char[]> buffer;
    std::size_t used = 0;
};

class StringSink : public TextSink {
  public:
    // Everything written so far.
    const std::string& text() {
        drain();
        return text_;
    }

  private:
    void take(const char* text, std::size_t size) override { text_.append(text, size); }

    std::string text_;
};

// Creates (or replaces) a file. A file that cannot be created or written swallows the rest of
// the text; close() tells what went wrong.
class FileSink : public TextSink {
  public:
    explicit FileSink(const std::filesystem::path& file);
    ~FileSink() override;

    // Writes what is buffered and closes the file; "" when every byte reached the file,
    // otherwise the reason it did not.
    std::string close();

  private:
    void take(const char* text, std::size_t size) override;

    std::FILE* file_ = nullptr;
    std::string error_;
};

} // namespace zim
