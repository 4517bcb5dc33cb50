// Deleting and moving in a list of records of one window (images, buttons or statics), shared
// by their operations. A Family describes one such list:
//     Record, places (PlaceList::Family), count(window), setCount(window, n), records(window),
//     renumber(record, w, from, to) and the texts deleteCaption, noneToDelete, moveUpCaption,
//     moveDownCaption and noneToMove.
#pragma once

#include <functional>
#include <utility>

#include "editors/window/list_messages.h"
#include "editors/window/list_operation.h"
#include "editors/window/position_changes.h"
#include "model/project.h"

namespace zim {

enum class MoveDirection { up, down };

// Deletes the record at `position` and every file of its place; the records after it move up
// one place with their files. `alsoChange` runs with the Project change. The result selects
// the first record.
template <class Family>
ListOperation planDeleteRecord(Project& project, const ListFolders& folders, int w, int position,
                               std::function<void(AppWindow&)> alsoChange = nullptr) {
    AppWindow& window = project.windows[w - 1];
    const int count = Family::count(window);
    if (count == 0)
        return ListOperation::refused(listRefusal(Family::noneToDelete, Family::deleteCaption));
    ListResult outcome;
    outcome.position = count > 1 ? 1 : 0;
    if (position < 1 || position > count)
        return ListOperation::planned(Family::deleteCaption, {}, {}, outcome);

    FileFailures failures;
    const auto files = positionalFilesIn(folders.project, failures);
    if (!files)
        return ListOperation::failed(failures);
    FilePlan plan; // the last record's files go too, so a later one starts afresh
    planPositionChanges(plan, *files, {Family::places, w}, PositionMap::removing(position, count));

    auto change = [&window, w, position, count, alsoChange] {
        auto* records = Family::records(window);
        for (int k = position; k < count; ++k) {
            records[k - 1] = records[k];
            Family::renumber(records[k - 1], w, k + 1, k);
        }
        Family::setCount(window, count - 1);
        if (alsoChange)
            alsoChange(window);
    };
    return ListOperation::planned(Family::deleteCaption, std::move(plan), change, outcome);
}

// Exchanges the record at `position` with its neighbour, files included; the result selects
// the moved record. The first record up or the last one down stays where it is.
template <class Family>
ListOperation planMoveRecord(Project& project, const ListFolders& folders, int w, int position,
                             MoveDirection direction) {
    AppWindow& window = project.windows[w - 1];
    const int count = Family::count(window);
    const char* caption =
        direction == MoveDirection::up ? Family::moveUpCaption : Family::moveDownCaption;
    if (count < 2)
        return ListOperation::refused(listRefusal(Family::noneToMove, caption));
    const int other = direction == MoveDirection::up ? position - 1 : position + 1;
    ListResult outcome;
    outcome.position = position;
    if (position < 1 || position > count || other < 1 || other > count)
        return ListOperation::planned(caption, {}, {}, outcome);

    FileFailures failures;
    const auto files = positionalFilesIn(folders.project, failures);
    if (!files)
        return ListOperation::failed(failures);
    FilePlan plan;
    planPositionChanges(plan, *files, {Family::places, w}, PositionMap::swapping(position, other));

    auto change = [&window, w, position, other] {
        auto* records = Family::records(window);
        std::swap(records[position - 1], records[other - 1]);
        Family::renumber(records[other - 1], w, position, other);
        Family::renumber(records[position - 1], w, other, position);
    };
    outcome.position = other;
    return ListOperation::planned(caption, std::move(plan), change, outcome);
}

} // namespace zim
