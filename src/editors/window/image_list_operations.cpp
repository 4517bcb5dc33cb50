#include "editors/window/image_list_operations.h"

#include <functional>
#include <string>
#include <system_error>
#include <utility>

#include "editors/window/list_messages.h"
#include "editors/window/position_changes.h"
#include "editors/window/record_list_plans.h"
#include "model/default_project.h"
#include "model/text_field.h"

namespace zim {

namespace fs = std::filesystem;

namespace {

constexpr int sizeModeClientArea = 2;

fs::path imageFile(const ListFolders& folders, int w, int i) {
    return folders.project / (positionalBaseName(PositionalKind::image, w, i) + ".bmp");
}

// The chosen file itself when it already is the target, so the plan reads it where it waits.
fs::path copySource(const fs::path& chosen, const fs::path& target) {
    std::error_code ec;
    return fs::equivalent(chosen, target, ec) ? target : chosen;
}

void renumberImage(BackgroundImage& record, int w, int from, int to) {
    followPlace(record.fileName, PositionalKind::image, {w, from}, {w, to});
}

const PlaceList imagesOf(int w) {
    return {PlaceList::Family::images, w};
}

struct ImageFamily {
    using Record = BackgroundImage;
    static constexpr PlaceList::Family places = PlaceList::Family::images;
    static constexpr const char* deleteCaption = listText::imageDeleteCaption;
    static constexpr const char* noneToDelete = listText::noImages;
    static constexpr const char* moveUpCaption = listText::imageMoveUpCaption;
    static constexpr const char* moveDownCaption = listText::imageMoveDownCaption;
    static constexpr const char* noneToMove = listText::noImagesToMove;

    static int count(const AppWindow& window) { return window.imageCount; }
    static void setCount(AppWindow& window, int count) { window.imageCount = count; }
    static Record* records(AppWindow& window) { return window.images; }
    static void renumber(Record& record, int w, int from, int to) {
        renumberImage(record, w, from, to);
    }
};

} // namespace

std::optional<PageMessage> imageAddRefusal(const Project& project, int w) {
    if (project.windows[w - 1].imageCount >= maxImages)
        return listRefusal(listText::imageLimit, listText::imageAddCaption);
    return std::nullopt;
}

ListOperation planAddImage(Project& project, const ListFolders& folders, int w,
                           const fs::path& chosenFile) {
    if (std::optional<PageMessage> refusal = imageAddRefusal(project, w))
        return ListOperation::refused(*refusal);
    AppWindow& window = project.windows[w - 1];
    const int position = window.imageCount + 1;

    FileFailures failures;
    const auto files = positionalFilesIn(folders.project, failures);
    if (!files)
        return ListOperation::failed(failures);
    FilePlan plan;
    planPositionChanges(plan, *files, imagesOf(w), PositionMap::clearing(position));
    const fs::path target = imageFile(folders, w, position);
    plan.copy(copySource(chosenFile, target), target);

    auto change = [&window, w, position] {
        buildNewBackgroundImage(window.images[position - 1], window, w, position);
        window.imageCount = position;
    };
    ListResult outcome;
    outcome.position = position;
    return ListOperation::planned(listText::imageAddCaption, std::move(plan), change, outcome);
}

ListOperation planReplaceImage(Project& project, const ListFolders& folders, int w, int position,
                               const fs::path& chosenFile) {
    AppWindow& window = project.windows[w - 1];
    if (window.imageCount == 0)
        return ListOperation::refused(
            listRefusal(listText::noImages, listText::imageReplaceCaption));
    ListResult outcome;
    outcome.position = position;
    if (position < 1 || position > window.imageCount)
        return ListOperation::planned(listText::imageReplaceCaption, {}, {}, outcome);

    const fs::path target = imageFile(folders, w, position);
    std::error_code ec;
    if (fs::equivalent(chosenFile, target, ec)) // the image is already this file
        return ListOperation::planned(listText::imageReplaceCaption, {}, {}, outcome);
    FilePlan plan;
    if (fs::exists(fs::symlink_status(target, ec)))
        plan.remove(target);
    plan.copy(chosenFile, target);

    BackgroundImage& record = window.images[position - 1];
    auto change = [&record, w, position] {
        setText(record.fileName, positionalBaseName(PositionalKind::image, w, position));
    };
    return ListOperation::planned(listText::imageReplaceCaption, std::move(plan), change, outcome);
}

ListOperation planDeleteImage(Project& project, const ListFolders& folders, int w, int position,
                              std::optional<FixedWindowSize> fixSize) {
    std::function<void(AppWindow&)> fixWindowSize;
    if (fixSize)
        fixWindowSize = [size = *fixSize](AppWindow& window) {
            window.sizeMode = sizeModeClientArea;
            window.width = size.width;
            window.height = size.height;
        };
    return planDeleteRecord<ImageFamily>(project, folders, w, position, fixWindowSize);
}

ListOperation planMoveImage(Project& project, const ListFolders& folders, int w, int position,
                            MoveDirection direction) {
    return planMoveRecord<ImageFamily>(project, folders, w, position, direction);
}

} // namespace zim
