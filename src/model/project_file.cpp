#include "model/project_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "model/file_links.h"
#include "model/name_path.h"
#include "model/project_layout.h"
#include "model/text_field.h"

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "The project file is little-endian and records are moved as they lie in memory."
#endif

namespace zim {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t streamBufferSize = 1 << 16;

std::string quoted(const std::string& label) { return "\"" + label + "\""; }

// The file's name as messages show it.
std::string labelOf(const fs::path& file) { return nameFromPath(file.filename()); }

std::string systemReason() { return std::strerror(errno); }

// Counts the bytes of a save.
struct Sizer {
    int64_t size = 0;
    template <class T> void item(const char*, const T&) { size += static_cast<int64_t>(sizeof(T)); }
    template <class T> void records(const T*, int32_t n) {
        size += static_cast<int64_t>(sizeof(T)) * n;
    }
    bool count(int32_t, int, int, const char*, int) { return true; }
};

struct Writer {
    std::FILE* out;
    bool failed = false;
    template <class T> void item(const char*, const T& field) { put(&field, sizeof(T)); }
    template <class T> void records(const T* first, int32_t n) {
        if (n > 0)
            put(first, sizeof(T) * static_cast<std::size_t>(n));
    }
    bool count(int32_t, int, int, const char*, int) { return true; }
    void put(const void* data, std::size_t size) {
        if (!failed && std::fwrite(data, 1, size, out) != size)
            failed = true;
    }
};

// Where the bytes of a project come from: an open file or a block of memory.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // The number of bytes, or -1 when it cannot be known.
    virtual int64_t size() = 0;
    virtual bool readAt(int64_t offset, void* data, std::size_t size) = 0;
};

class FileSource : public ByteSource {
  public:
    explicit FileSource(std::FILE* in) : in_(in) {}
    int64_t size() override {
        if (std::fseek(in_, 0, SEEK_END) != 0)
            return -1;
        position_ = -1;
        return std::ftell(in_);
    }
    // Reads that follow each other need no seek, so a whole load streams through the buffer.
    bool readAt(int64_t offset, void* data, std::size_t size) override {
        if (offset != position_ && std::fseek(in_, static_cast<long>(offset), SEEK_SET) != 0)
            return false;
        position_ = -1;
        if (std::fread(data, 1, size, in_) != size)
            return false;
        position_ = offset + static_cast<int64_t>(size);
        return true;
    }

  private:
    std::FILE* in_;
    int64_t position_ = -1;
};

class MemorySource : public ByteSource {
  public:
    MemorySource(const void* data, std::size_t size)
        : data_(static_cast<const unsigned char*>(data)), size_(size) {}
    int64_t size() override { return static_cast<int64_t>(size_); }
    bool readAt(int64_t offset, void* data, std::size_t size) override {
        if (offset < 0 || static_cast<uint64_t>(offset) > size_ ||
            size > size_ - static_cast<std::size_t>(offset))
            return false;
        if (size > 0)
            std::memcpy(data, data_ + offset, size);
        return true;
    }

  private:
    const unsigned char* data_;
    std::size_t size_;
};

struct Reader {
    ByteSource& in;
    int64_t position = 0;
    bool failed = false;
    template <class T> void item(const char*, T& field) { get(&field, sizeof(T)); }
    template <class T> void records(T* first, int32_t n) {
        if (n > 0)
            get(first, sizeof(T) * static_cast<std::size_t>(n));
    }
    // The layout was checked before reading; this guard keeps a file that changed in between
    // from ever driving a read past a capacity.
    bool count(int32_t value, int low, int high, const char*, int) {
        if (value < low || value > high)
            failed = true;
        return !failed;
    }
    void get(void* data, std::size_t size) {
        if (!failed && !in.readAt(position, data, size))
            failed = true;
        position += static_cast<int64_t>(size);
    }
};

bool readInt32At(ByteSource& in, int64_t offset, int32_t& value) {
    return in.readAt(offset, &value, sizeof value);
}

std::string inWindow(int w) { return w == 0 ? std::string() : " window " + std::to_string(w); }

// Walks the counts of the data without reading its records: every count must lie within the
// capacities and the data must have exactly the length the counts imply. `subject` names the
// data in messages ("The project file "X.zim"").
FileOutcome checkLayout(ByteSource& in, const std::string& subject) {
    const std::string damaged = subject + " is damaged: ";
    const int64_t size = in.size();
    if (size < 0)
        return FileOutcome::failure(subject + " cannot be read: its length is unknown.");

    auto endsEarly = [&](int64_t needed, const std::string& what) {
        return FileOutcome::failure(damaged + "it ends at byte " + std::to_string(size) +
                                    ", inside " + what + " (which needs " +
                                    std::to_string(needed) + " bytes).");
    };
    auto outOfRange = [&](int32_t value, int64_t offset, const char* what, int w, int low,
                          int high) {
        return FileOutcome::failure(damaged + "at byte " + std::to_string(offset) + "," +
                                    inWindow(w) + " holds " + std::to_string(value) + " " +
                                    what + " (" + std::to_string(low) + " to " +
                                    std::to_string(high) + " expected).");
    };

    if (size < programPartSize)
        return endsEarly(programPartSize, "the program part");
    int32_t windowCount = 0;
    if (!readInt32At(in, windowCountOffset, windowCount))
        return FileOutcome::failure(damaged + "its window count cannot be read.");
    if (windowCount < 1 || windowCount > maxWindows)
        return outOfRange(windowCount, windowCountOffset, "windows", 0, 1, maxWindows);

    int64_t pos = programPartSize;
    for (int w = 1; w <= windowCount; ++w) {
        const std::string block = "window " + std::to_string(w);
        int32_t images = 0, buttons = 0, statics = 0;
        if (size < pos + windowHeadSize)
            return endsEarly(pos + windowHeadSize, block);
        readInt32At(in, pos + imageCountOffset, images);
        if (images < 0 || images > maxImages)
            return outOfRange(images, pos + imageCountOffset, "background images", w, 0,
                              maxImages);
        const int64_t middle = pos + windowHeadSize + images * int64_t(sizeof(BackgroundImage));
        const int64_t countsAt = middle + buttonCountOffsetAfterImages;
        if (size < countsAt + 8)
            return endsEarly(countsAt + 8, block);
        readInt32At(in, countsAt, buttons);
        readInt32At(in, countsAt + 4, statics);
        if (buttons < 0 || buttons > maxButtons)
            return outOfRange(buttons, countsAt, "buttons", w, 0, maxButtons);
        if (statics < 0 || statics > maxStatics)
            return outOfRange(statics, countsAt + 4, "static controls", w, 0, maxStatics);
        pos = countsAt + 8 + buttons * int64_t(sizeof(ButtonControl)) +
              statics * int64_t(sizeof(StaticControl));
        if (size < pos)
            return endsEarly(pos, block);
    }
    if (size > pos)
        return FileOutcome::failure(damaged + "it has " + std::to_string(size - pos) +
                                    " bytes after its last window, which ends at byte " +
                                    std::to_string(pos) + ".");
    return {};
}

std::string fileSubject(const std::string& label) { return "The project file " + quoted(label); }

// Checks the layout first, so that the Project changes only when the whole data is valid.
FileOutcome loadFromSource(Project& target, ByteSource& in, const std::string& subject) {
    FileOutcome layout = checkLayout(in, subject);
    if (!layout)
        return layout;
    Reader reader{in};
    transferProject(reader, target);
    if (reader.failed)
        return FileOutcome::failure(subject + " changed or could not be read while it was loaded.");
    return {};
}

} // namespace

std::FILE* openFile(const fs::path& file, const char* mode) {
#ifdef _WIN32
    std::wstring wideMode(mode, mode + std::strlen(mode));
    return _wfopen(file.c_str(), wideMode.c_str());
#else
    return std::fopen(file.c_str(), mode);
#endif
}

fs::path projectFileName(const std::string& name) {
    std::string base = name;
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    return pathFromName(base + projectFileExtension);
}

int64_t projectFileSize(const Project& source) {
    Sizer sizer;
    transferProject(sizer, source);
    return sizer.size;
}

FileOutcome saveProjectFileAs(const Project& source, const fs::path& file) {
    const std::string label = labelOf(file);
    const std::string failed = "The project file " + quoted(label) + " could not be written";
    const int32_t windows = source.program.windowCount;
    if (windows < 1 || windows > maxWindows)
        return FileOutcome::failure(failed + ": the project holds " + std::to_string(windows) +
                                    " windows.");

    fs::path temporary = file;
    temporary += ".saving";
    // Opening a link for writing would write wherever it leads.
    for (const fs::path& target : {file, temporary})
        if (isLink(target))
            return FileOutcome::failure(failed + ": " + quoted(labelOf(target)) +
                                        " is a link. The previous file is unchanged.");
    std::FILE* out = openFile(temporary, "wb");
    if (!out)
        return FileOutcome::failure(failed + ": " + systemReason() + ".");
    std::setvbuf(out, nullptr, _IOFBF, streamBufferSize);
    Writer writer{out};
    transferProject(writer, source);
    const bool flushed = std::fflush(out) == 0;
    const std::string reason = systemReason();
    const bool closed = std::fclose(out) == 0;
    std::error_code ec;
    if (writer.failed || !flushed || !closed) {
        fs::remove(temporary, ec);
        return FileOutcome::failure(failed + ": " + reason + ". The previous file is unchanged.");
    }
    fs::rename(temporary, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return FileOutcome::failure(failed + ": " + ec.message() +
                                    ". The previous file is unchanged.");
    }
    return {};
}

FileOutcome saveProjectFile(const fs::path& directory, const std::string& name) {
    const fs::path file = projectFileName(name);
    if (file == projectFileExtension)
        return FileOutcome::failure("The project has no name, so it cannot be saved.");
    // Only a plain file name keeps the save inside the directory.
    if (file.has_parent_path() || file.has_root_path())
        return FileOutcome::failure("The project name " + quoted(name) +
                                    " is not a file name, so the project cannot be saved.");
    return saveProjectFileAs(project(), directory / file);
}

FileOutcome saveProjectFile(const fs::path& directory) {
    const fs::path folder = directory.has_filename() ? directory : directory.parent_path();
    return saveProjectFile(directory, nameFromPath(folder.filename()));
}

FileOutcome loadProjectStream(Project& target, std::FILE* in, const std::string& label) {
    FileSource source(in);
    return loadFromSource(target, source, fileSubject(label));
}

FileOutcome loadProjectBytes(Project& target, const void* data, std::size_t size,
                             const std::string& subject) {
    MemorySource source(data, size);
    return loadFromSource(target, source, subject);
}

FileOutcome loadProjectFileAt(Project& target, const fs::path& file) {
    const std::string label = labelOf(file);
    std::FILE* in = openFile(file, "rb");
    if (!in)
        return FileOutcome::failure("The project file " + quoted(label) +
                                    " cannot be opened: " + systemReason() + ".");
    std::setvbuf(in, nullptr, _IOFBF, streamBufferSize);
    FileOutcome outcome = loadProjectStream(target, in, label);
    std::fclose(in);
    return outcome;
}

FileOutcome loadProjectFile(Project& target, const fs::path& directory, const std::string& name) {
    const FileOutcome loaded = loadProjectFileAt(target, directory / projectFileName(name));
    // The stored name may be another project's, a path or a device; the folder's name is the
    // one every later save uses.
    if (loaded)
        setText(target.program.applicationName, name);
    return loaded;
}

FileOutcome loadProjectFile(const fs::path& directory, const std::string& name) {
    return loadProjectFile(project(), directory, name);
}

FileOutcome checkProjectFile(const fs::path& file) {
    const std::string label = labelOf(file);
    std::FILE* in = openFile(file, "rb");
    if (!in)
        return FileOutcome::failure("The project file " + quoted(label) +
                                    " cannot be opened: " + systemReason() + ".");
    FileSource source(in);
    FileOutcome outcome = checkLayout(source, fileSubject(label));
    std::fclose(in);
    return outcome;
}

} // namespace zim
