#include "editors/window/control_list_operations.h"

#include <string>
#include <utility>

#include "editors/window/control_templates.h"
#include "editors/window/list_messages.h"
#include "editors/window/position_changes.h"
#include "editors/window/record_list_plans.h"
#include "model/default_project.h"
#include "model/text_field.h"
#include "shell/description_rules.h"

namespace zim {

namespace {

struct ButtonFamily {
    using Record = ButtonControl;
    static constexpr int capacity = maxButtons;
    static constexpr PlaceList::Family places = PlaceList::Family::buttons;
    static constexpr PositionalKind imageKind = PositionalKind::button;
    static constexpr const char* addCaption = listText::buttonAddCaption;
    static constexpr const char* limit = listText::buttonLimit;
    static constexpr const char* deleteCaption = listText::buttonDeleteCaption;
    static constexpr const char* noneToDelete = listText::noButtonsToDelete;
    static constexpr const char* moveUpCaption = listText::buttonMoveUpCaption;
    static constexpr const char* moveDownCaption = listText::buttonMoveDownCaption;
    static constexpr const char* noneToMove = listText::noButtonsToMove;

    static int count(const AppWindow& window) { return window.buttonCount; }
    static void setCount(AppWindow& window, int count) { window.buttonCount = count; }
    static Record* records(AppWindow& window) { return window.buttons; }
    static void build(Record& record, int w, int position) { buildNewButton(record, w, position); }

    static void renumber(Record& record, int w, int from, int to) {
        followPlace(record.imageName, PositionalKind::button, {w, from}, {w, to});
        followPlace(record.imageNameDown, PositionalKind::buttonPushed, {w, from}, {w, to});
        followPlace(record.imageNameDisabled, PositionalKind::buttonDisabled, {w, from}, {w, to});
        record.controlId = to; // a button's identifier is its place
    }
};

struct StaticFamily {
    using Record = StaticControl;
    static constexpr int capacity = maxStatics;
    static constexpr PlaceList::Family places = PlaceList::Family::statics;
    static constexpr PositionalKind imageKind = PositionalKind::staticControl;
    static constexpr const char* addCaption = listText::staticAddCaption;
    static constexpr const char* limit = listText::staticLimit;
    static constexpr const char* deleteCaption = listText::staticDeleteCaption;
    static constexpr const char* noneToDelete = listText::noStaticsToDelete;
    static constexpr const char* moveUpCaption = listText::staticMoveUpCaption;
    static constexpr const char* moveDownCaption = listText::staticMoveDownCaption;
    static constexpr const char* noneToMove = listText::noStaticsToMove;

    static int count(const AppWindow& window) { return window.staticCount; }
    static void setCount(AppWindow& window, int count) { window.staticCount = count; }
    static Record* records(AppWindow& window) { return window.statics; }
    static void build(Record& record, int w, int position) { buildNewStatic(record, w, position); }

    static void renumber(Record& record, int w, int from, int to) {
        followPlace(record.imageName, PositionalKind::staticControl, {w, from}, {w, to});
    }
};

template <class Family> std::optional<PageMessage> addRefusal(const Project& project, int w) {
    if (Family::count(project.windows[w - 1]) >= Family::capacity)
        return listRefusal(Family::limit, Family::addCaption);
    return std::nullopt;
}

template <class Family>
ListOperation planAdd(Project& project, const ListFolders& folders, int w,
                      std::string_view description) {
    if (std::optional<PageMessage> refusal = addRefusal<Family>(project, w))
        return ListOperation::refused(*refusal);
    AppWindow& window = project.windows[w - 1];
    const int position = Family::count(window) + 1;

    FileFailures notes;
    const auto files = positionalFilesIn(folders.project, notes);
    if (!files)
        return ListOperation::failed(notes);
    FilePlan plan;
    planPositionChanges(plan, *files, {Family::places, w}, PositionMap::clearing(position));
    planControlTemplates(plan, notes, folders, Family::imageKind, w, position);

    const std::string text(description.substr(0, descriptionLimit));
    auto change = [&window, w, position, text] {
        typename Family::Record& record = Family::records(window)[position - 1];
        Family::build(record, w, position);
        setText(record.description, text);
        Family::setCount(window, position);
    };
    ListResult outcome;
    outcome.position = position;
    outcome.failures = notes;
    return ListOperation::planned(Family::addCaption, std::move(plan), change, outcome);
}

} // namespace

std::optional<PageMessage> buttonAddRefusal(const Project& project, int w) {
    return addRefusal<ButtonFamily>(project, w);
}

std::optional<PageMessage> staticAddRefusal(const Project& project, int w) {
    return addRefusal<StaticFamily>(project, w);
}

ListOperation planAddButton(Project& project, const ListFolders& folders, int w,
                            std::string_view description) {
    return planAdd<ButtonFamily>(project, folders, w, description);
}

ListOperation planAddStatic(Project& project, const ListFolders& folders, int w,
                            std::string_view description) {
    return planAdd<StaticFamily>(project, folders, w, description);
}

ListOperation planDeleteButton(Project& project, const ListFolders& folders, int w, int position) {
    return planDeleteRecord<ButtonFamily>(project, folders, w, position);
}

ListOperation planDeleteStatic(Project& project, const ListFolders& folders, int w, int position) {
    return planDeleteRecord<StaticFamily>(project, folders, w, position);
}

ListOperation planMoveButton(Project& project, const ListFolders& folders, int w, int position,
                             MoveDirection direction) {
    return planMoveRecord<ButtonFamily>(project, folders, w, position, direction);
}

ListOperation planMoveStatic(Project& project, const ListFolders& folders, int w, int position,
                             MoveDirection direction) {
    return planMoveRecord<StaticFamily>(project, folders, w, position, direction);
}

} // namespace zim
