#include "editors/window/file_plan.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <system_error>

#include "model/file_links.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

using Kind = FileStep::Kind;

// One name per file as Windows sees it: letter case does not tell two files apart.
std::string keyOf(const fs::path& path) {
    std::string key = path.lexically_normal().generic_string();
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

std::string shown(const fs::path& path) {
    try {
        return "\"" + path.filename().string() + "\"";
    } catch (const std::exception&) {
        return "\"" + path.filename().generic_u8string() + "\"";
    }
}

std::string because(const std::error_code& ec) {
    return ": " + ec.message() + ".";
}

bool leaves(Kind kind) {
    return kind == Kind::move || kind == Kind::remove;
}

bool isTaken(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

void makeWritable(const fs::path& file, std::error_code& ec) {
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
}

// Renames only to a free name: a rename must never replace another file.
bool renameToFreeName(const fs::path& from, const fs::path& to, FileFailures& failures) {
    if (isTaken(to)) {
        failures.add("Could not rename " + shown(from) + " to " + shown(to) + ": " + shown(to) +
                     " is in the way.");
        return false;
    }
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec)
        failures.add("Could not rename " + shown(from) + " to " + shown(to) + because(ec));
    return !ec;
}

bool copyToFreeName(const fs::path& from, const fs::path& to, FileFailures& failures) {
    if (isTaken(to)) {
        failures.add("Could not copy " + shown(from) + " to " + shown(to) + ": " + shown(to) +
                     " is in the way.");
        return false;
    }
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::none, ec);
    if (!ec)
        makeWritable(to, ec); // a copy of a read-only template must stay changeable
    if (ec) {
        failures.add("Could not copy " + shown(from) + " to " + shown(to) + because(ec));
        std::error_code ignored;
        fs::remove(to, ignored); // the name was free before: what is there now is the broken copy
    }
    return !ec;
}

bool removeFile(const fs::path& file, std::error_code& ec) {
    makeWritable(file, ec);
    if (!ec)
        fs::remove(file, ec);
    return !ec;
}

// What running a plan did, so it can be put back.
struct DoneStep {
    bool wasCopy = false; // a copy is put back by deleting it; a rename by renaming back
    fs::path now;
    fs::path before;
};

void putBack(const std::vector<DoneStep>& done, FileFailures& failures) {
    for (auto step = done.rbegin(); step != done.rend(); ++step) {
        if (step->wasCopy) {
            std::error_code ec;
            if (!removeFile(step->now, ec))
                failures.add("Could not delete the new copy " + shown(step->now) + because(ec));
            continue;
        }
        if (isTaken(step->before)) {
            failures.add("Could not put " + shown(step->now) + " back as " + shown(step->before) +
                         ": " + shown(step->before) + " is in the way.");
            continue;
        }
        std::error_code ec;
        fs::rename(step->now, step->before, ec);
        if (ec)
            failures.add("Could not put " + shown(step->now) + " back as " + shown(step->before) +
                         because(ec));
    }
}

std::optional<PlanObstacle> sourceObstacle(const FileStep& step) {
    std::error_code ec;
    if (leaves(step.kind) && isLink(step.source))
        return PlanObstacle{PlanObstacle::Kind::link, step.source};
    // A copy reads through a link, which changes nothing behind it.
    const fs::file_status status =
        leaves(step.kind) ? fs::symlink_status(step.source, ec) : fs::status(step.source, ec);
    if (!fs::exists(status))
        return PlanObstacle{PlanObstacle::Kind::missing, step.source};
    if (!fs::is_regular_file(status))
        return PlanObstacle{PlanObstacle::Kind::notAFile, step.source};
    return std::nullopt;
}

} // namespace

fs::path parkingNameOf(const fs::path& file) {
    fs::path parking = file;
    parking += ".zim-moving";
    return parking;
}

void FilePlan::move(const fs::path& from, const fs::path& to) {
    steps_.push_back({Kind::move, from, parkingNameOf(from), to});
}

void FilePlan::copy(const fs::path& from, const fs::path& to) {
    steps_.push_back({Kind::copy, from, {}, to});
}

void FilePlan::remove(const fs::path& file) {
    steps_.push_back({Kind::remove, file, parkingNameOf(file), {}});
}

std::optional<PlanObstacle> FilePlan::obstacle() const {
    std::set<std::string> freed;
    for (const FileStep& step : steps_)
        if (leaves(step.kind))
            freed.insert(keyOf(step.source));

    std::set<std::string> claimed; // every name the plan writes, each at most once
    auto claim = [&](const fs::path& name, bool freeable) -> std::optional<PlanObstacle> {
        const std::string key = keyOf(name);
        const bool takenNow = isTaken(name) && !(freeable && freed.count(key));
        if (takenNow || !claimed.insert(key).second)
            return PlanObstacle{PlanObstacle::Kind::inTheWay, name};
        return std::nullopt;
    };

    for (const FileStep& step : steps_) {
        if (auto problem = sourceObstacle(step))
            return problem;
        if (leaves(step.kind))
            if (auto problem = claim(step.parking, false))
                return problem;
        if (step.kind != Kind::remove)
            if (auto problem = claim(step.target, true))
                return problem;
    }
    return std::nullopt;
}

bool FilePlan::run(FileFailures& failures) const {
    std::vector<DoneStep> done;
    auto fail = [&] {
        putBack(done, failures);
        return false;
    };
    // Where each file that leaves its name waits, so a copy can still read it there.
    std::map<std::string, fs::path> parked;

    for (const FileStep& step : steps_) {
        if (!leaves(step.kind))
            continue;
        if (!renameToFreeName(step.source, step.parking, failures))
            return fail();
        done.push_back({false, step.parking, step.source});
        parked[keyOf(step.source)] = step.parking;
    }
    // Copies first: a copy may read a file that waits in its parking place.
    for (const FileStep& step : steps_) {
        if (step.kind != Kind::copy)
            continue;
        const auto waiting = parked.find(keyOf(step.source));
        const fs::path& from = waiting == parked.end() ? step.source : waiting->second;
        if (!copyToFreeName(from, step.target, failures))
            return fail();
        done.push_back({true, step.target, {}});
    }
    for (const FileStep& step : steps_) {
        if (step.kind != Kind::move)
            continue;
        if (!renameToFreeName(step.parking, step.target, failures))
            return fail();
        done.push_back({false, step.target, step.parking});
    }
    for (const FileStep& step : steps_) {
        std::error_code ec;
        if (step.kind == Kind::remove && !removeFile(step.parking, ec))
            failures.add("Could not delete " + shown(step.source) + " (it is left as " +
                         shown(step.parking) + ")" + because(ec));
    }
    return true;
}

} // namespace zim
