#include "editors/window/position_changes.h"

#include <algorithm>
#include <system_error>

namespace zim {

namespace fs = std::filesystem;

namespace {

bool isButtonFile(PositionalKind kind) {
    return kind == PositionalKind::button || kind == PositionalKind::buttonPushed ||
           kind == PositionalKind::buttonDisabled;
}

} // namespace

int PlaceList::positionOf(const PositionalName& name) const {
    switch (family) {
    case Family::windows:
        return name.window;
    case Family::images:
        return name.kind == PositionalKind::image && name.window == window ? name.index : 0;
    case Family::buttons:
        return isButtonFile(name.kind) && name.window == window ? name.index : 0;
    case Family::statics:
        return name.kind == PositionalKind::staticControl && name.window == window ? name.index : 0;
    }
    return 0;
}

PositionalName PlaceList::movedTo(const PositionalName& name, int position) const {
    PositionalName moved = name;
    if (family == Family::windows)
        moved.window = position;
    else
        moved.index = position;
    return moved;
}

PositionMap PositionMap::removing(int position, int count) {
    PositionMap map;
    map.kind_ = Kind::removing;
    map.a_ = position;
    map.b_ = count;
    return map;
}

PositionMap PositionMap::swapping(int a, int b) {
    PositionMap map;
    map.kind_ = Kind::swapping;
    map.a_ = a;
    map.b_ = b;
    return map;
}

PositionMap PositionMap::clearing(int position) {
    PositionMap map;
    map.kind_ = Kind::clearing;
    map.a_ = position;
    return map;
}

std::optional<int> PositionMap::operator()(int position) const {
    switch (kind_) {
    case Kind::removing:
        if (position == a_)
            return std::nullopt;
        return position > a_ && position <= b_ ? position - 1 : position;
    case Kind::swapping:
        return position == a_ ? b_ : position == b_ ? a_ : position;
    case Kind::clearing:
        if (position == a_)
            return std::nullopt;
        return position;
    }
    return position;
}

std::optional<std::vector<PositionalFile>> positionalFilesIn(const fs::path& folder,
                                                             FileFailures& failures) {
    std::vector<PositionalFile> files;
    std::error_code ec;
    fs::directory_iterator entry(folder, ec);
    for (; !ec && entry != fs::directory_iterator(); entry.increment(ec)) {
        const fs::path& path = entry->path();
        // Positional names are plain ASCII, so the UTF-8 spelling of any name serves to read them.
        if (std::optional<PositionalName> name =
                parsePositionalFileName(path.filename().u8string()))
            files.push_back({path, *name});
    }
    if (ec) {
        failures.add("Could not list the files of the project folder: " + ec.message() + ".");
        return std::nullopt;
    }
    // In name order, so the same folder always gives the same plan.
    std::sort(files.begin(), files.end(),
              [](const PositionalFile& a, const PositionalFile& b) { return a.path < b.path; });
    return files;
}

void planPositionChanges(FilePlan& plan, const std::vector<PositionalFile>& files,
                         const PlaceList& list, const PositionMap& map) {
    for (const PositionalFile& file : files) {
        const int position = list.positionOf(file.name);
        if (position == 0)
            continue;
        const std::optional<int> next = map(position);
        if (!next)
            plan.remove(file.path);
        else if (*next != position)
            plan.move(file.path,
                      file.path.parent_path() / positionalFileName(list.movedTo(file.name, *next)));
    }
}

void planPlaceCopies(FilePlan& plan, const std::vector<PositionalFile>& files,
                     const PlaceList& list, int from, int to) {
    for (const PositionalFile& file : files)
        if (list.positionOf(file.name) == from)
            plan.copy(file.path,
                      file.path.parent_path() / positionalFileName(list.movedTo(file.name, to)));
}

} // namespace zim
