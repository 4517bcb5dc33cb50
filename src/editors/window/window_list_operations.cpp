#include "editors/window/window_list_operations.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editors/window/control_templates.h"
#include "editors/window/list_messages.h"
#include "editors/window/position_changes.h"
#include "model/default_project.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr int32_t standardWindow = 0;
constexpr int32_t classicApplication = 0;
constexpr int32_t dialogApplication = 1;

const PlaceList windows{PlaceList::Family::windows, 0};

// A window record now at place `to` instead of `from`: every record it holds names the new
// window, and every name of the old place that it holds takes that of the new one.
void renumberWindow(AppWindow& record, int from, int to) {
    followPlace(record.iconName, PositionalKind::window, {from, 0}, {to, 0});
    followPlace(record.smallIconName, PositionalKind::windowSmallIcon, {from, 0}, {to, 0});
    followPlace(record.cursorName, PositionalKind::window, {from, 0}, {to, 0});
    for (int i = 1; i <= record.imageCount; ++i) {
        BackgroundImage& image = record.images[i - 1];
        image.windowNumber = to;
        followPlace(image.fileName, PositionalKind::image, {from, i}, {to, i});
    }
    for (int b = 1; b <= record.buttonCount; ++b) {
        ButtonControl& button = record.buttons[b - 1];
        button.windowNumber = to;
        followPlace(button.imageName, PositionalKind::button, {from, b}, {to, b});
        followPlace(button.imageNameDown, PositionalKind::buttonPushed, {from, b}, {to, b});
        followPlace(button.imageNameDisabled, PositionalKind::buttonDisabled, {from, b}, {to, b});
    }
    for (int s = 1; s <= record.staticCount; ++s) {
        StaticControl& control = record.statics[s - 1];
        control.windowNumber = to;
        followPlace(control.imageName, PositionalKind::staticControl, {from, s}, {to, s});
    }
}

// Window 1 decides whether the application is classic or dialog-based.
void matchApplicationType(Project& project) {
    project.program.applicationType =
        project.windows[0].kind == standardWindow ? classicApplication : dialogApplication;
}

// The windows (by their numbers after the map) whose owner the map takes away.
std::vector<int> windowsLosingOwner(const Project& project, const PositionMap& map) {
    std::vector<int> losing;
    const int count = project.program.windowCount;
    for (int k = 1; k <= count; ++k) {
        const AppWindow& window = project.windows[k - 1];
        const std::optional<int> place = map(k);
        const int owner = window.ownerWindow;
        if (place && window.hasOwner != 0 && owner >= 1 && owner <= count && !map(owner))
            losing.push_back(*place);
    }
    return losing;
}

// Owner numbers follow the map, in records that already stand in their new places; a window
// whose owner went has no owner any more.
void remapOwners(Project& project, const PositionMap& map, int countBefore) {
    for (int k = 1; k <= project.program.windowCount; ++k) {
        AppWindow& window = project.windows[k - 1];
        if (window.ownerWindow < 1 || window.ownerWindow > countBefore)
            continue;
        const std::optional<int> owner = map(window.ownerWindow);
        window.ownerWindow = owner ? *owner : 0;
        if (!owner)
            window.hasOwner = 0;
    }
}

} // namespace

std::optional<PageMessage> windowAddRefusal(const Project& project, const char* caption) {
    if (project.program.windowCount >= maxWindows)
        return listRefusal(listText::windowLimit, caption);
    return std::nullopt;
}

ListOperation planAddWindow(Project& project, const ListFolders& folders, std::string_view title) {
    if (auto refusal = windowAddRefusal(project, listText::windowAddCaption))
        return ListOperation::refused(*refusal);
    const int w = project.program.windowCount + 1;

    FileFailures notes;
    const auto files = positionalFilesIn(folders.project, notes);
    if (!files)
        return ListOperation::failed(notes);
    FilePlan plan;
    planPositionChanges(plan, *files, windows, PositionMap::clearing(w));
    planControlTemplates(plan, notes, folders, PositionalKind::button, w, 1);
    planControlTemplates(plan, notes, folders, PositionalKind::staticControl, w, 1);

    const std::string text(title);
    auto change = [&project, w, text] {
        AppWindow& record = project.windows[w - 1];
        buildNewWindow(record, w);
        setText(record.title, text);
        project.program.windowCount = w;
    };
    ListResult outcome;
    outcome.position = w;
    outcome.failures = notes;
    return ListOperation::planned(listText::windowAddCaption, std::move(plan), change, outcome);
}

ListOperation planDuplicateWindow(Project& project, const ListFolders& folders, int w) {
    if (auto refusal = windowAddRefusal(project, listText::windowDuplicateCaption))
        return ListOperation::refused(*refusal);
    const int count = project.program.windowCount;
    ListResult outcome;
    outcome.position = w;
    if (w < 1 || w > count)
        return ListOperation::planned(listText::windowDuplicateCaption, {}, {}, outcome);
    const int copy = count + 1;

    FileFailures failures;
    const auto files = positionalFilesIn(folders.project, failures);
    if (!files)
        return ListOperation::failed(failures);
    FilePlan plan;
    planPositionChanges(plan, *files, windows, PositionMap::clearing(copy));
    planPlaceCopies(plan, *files, windows, w, copy);

    auto change = [&project, w, copy] {
        project.windows[copy - 1] = project.windows[w - 1];
        renumberWindow(project.windows[copy - 1], w, copy);
        project.program.windowCount = copy;
    };
    outcome.position = copy;
    return ListOperation::planned(listText::windowDuplicateCaption, std::move(plan), change,
                                  outcome);
}

ListOperation planDeleteWindow(Project& project, const ListFolders& folders, int w) {
    const int count = project.program.windowCount;
    if (count <= 1)
        return ListOperation::refused(
            listRefusal(listText::onlyOneWindow, listText::windowDeleteCaption));
    ListResult outcome;
    outcome.position = w < count ? w : count - 1;
    if (w < 1 || w > count)
        return ListOperation::planned(listText::windowDeleteCaption, {}, {}, outcome);

    FileFailures failures;
    const auto files = positionalFilesIn(folders.project, failures);
    if (!files)
        return ListOperation::failed(failures);
    const PositionMap map = PositionMap::removing(w, count);
    FilePlan plan;
    planPositionChanges(plan, *files, windows, map);

    auto change = [&project, w, count, map] {
        for (int k = w; k < count; ++k) {
            project.windows[k - 1] = project.windows[k];
            renumberWindow(project.windows[k - 1], k + 1, k);
        }
        project.program.windowCount = count - 1;
        remapOwners(project, map, count);
        if (w == 1)
            matchApplicationType(project);
    };
    outcome.ownersCleared = windowsLosingOwner(project, map);
    return ListOperation::planned(listText::windowDeleteCaption, std::move(plan), change, outcome);
}

ListOperation planMoveWindow(Project& project, const ListFolders& folders, int w,
                             MoveDirection direction) {
    const int count = project.program.windowCount;
    const char* caption = direction == MoveDirection::up ? listText::windowMoveUpCaption
                                                         : listText::windowMoveDownCaption;
    if (count < 2)
        return ListOperation::refused(listRefusal(listText::noWindowsToMove, caption));
    const int other = direction == MoveDirection::up ? w - 1 : w + 1;
    ListResult outcome;
    outcome.position = w;
    if (w < 1 || w > count || other < 1 || other > count)
        return ListOperation::planned(caption, {}, {}, outcome);

    FileFailures failures;
    const auto files = positionalFilesIn(folders.project, failures);
    if (!files)
        return ListOperation::failed(failures);
    const PositionMap map = PositionMap::swapping(w, other);
    FilePlan plan;
    planPositionChanges(plan, *files, windows, map);

    auto change = [&project, w, other, count, map] {
        // A window record is too large for a temporary on the stack.
        const auto held = std::make_unique<AppWindow>(project.windows[w - 1]);
        project.windows[w - 1] = project.windows[other - 1];
        project.windows[other - 1] = *held;
        renumberWindow(project.windows[other - 1], w, other);
        renumberWindow(project.windows[w - 1], other, w);
        remapOwners(project, map, count);
        if (w == 1 || other == 1)
            matchApplicationType(project);
    };
    outcome.position = other;
    return ListOperation::planned(caption, std::move(plan), change, outcome);
}

} // namespace zim
