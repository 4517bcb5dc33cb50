#include "editors/window/list_messages.h"

namespace zim {

namespace {

std::string quoted(const std::filesystem::path& path) {
    try {
        return "\"" + path.filename().string() + "\"";
    } catch (const std::exception&) {
        return "\"" + path.filename().u8string() + "\"";
    }
}

} // namespace

PageMessage listRefusal(const std::string& text, const std::string& caption) {
    return {text, caption, box::ok | box::iconHand, MessageOwner::none};
}

PageMessage obstacleMessage(const PlanObstacle& obstacle, const std::string& caption) {
    const std::string name = quoted(obstacle.path);
    std::string text;
    switch (obstacle.kind) {
    case PlanObstacle::Kind::inTheWay:
        text = "Sorry, but " + name + " is in the way of this operation.";
        break;
    case PlanObstacle::Kind::link:
        text = "Sorry, but " + name + " is a link, and links are never followed.";
        break;
    case PlanObstacle::Kind::missing:
        text = "Sorry, but the file " + name + " was not found.";
        break;
    case PlanObstacle::Kind::notAFile:
        text = "Sorry, but " + name + " is not a file.";
        break;
    }
    return listRefusal(text + "\rNothing was changed...", caption);
}

std::string ownersClearedNote(const std::vector<int>& windows) {
    if (windows.empty())
        return {};
    std::string list;
    for (std::size_t k = 0; k < windows.size(); ++k) {
        if (k > 0)
            list += k + 1 == windows.size() ? " and " : ", ";
        list += std::to_string(windows[k]);
    }
    if (windows.size() == 1)
        return "Window " + list + " lost its owner window and has no owner now...";
    return "Windows " + list + " lost their owner window and have no owner now...";
}

} // namespace zim
