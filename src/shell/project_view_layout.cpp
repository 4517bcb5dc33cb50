#include "shell/project_view_layout.h"

namespace zim {

namespace {

constexpr int buttonLeft = 5;
constexpr int buttonWidth = 185;
constexpr int buttonHeight = 50;
constexpr int buttonStep = 55; // tops 5, 60, 115, 170, 225

constexpr int margin = 10;
constexpr int panelLeft = buttonLeft + buttonWidth + 15;
constexpr int titleTop = 6;
constexpr int titleHeight = 40;
constexpr int lineTop = 50;
constexpr int columnsTop = 62;
constexpr int columnGap = 16;
constexpr int labelHeight = 22;

// A group box leaves room for its title (set in the bold label font) above its value.
constexpr int groupTitleRoom = 26;
constexpr int groupInset = 12;
constexpr int valueHeight = 22;
constexpr int singleLineGroupHeight = groupTitleRoom + valueHeight + groupInset;
constexpr int groupGap = 8;

GroupLayout groupWithValue(int left, int top, int width, int height) {
    const LayoutBox group{left, top, width, height};
    return {group,
            {left + groupInset, top + groupTitleRoom, width - 2 * groupInset,
             height - groupTitleRoom - groupInset}};
}

} // namespace

ProjectViewLayout projectViewLayout(int width, int height) {
    ProjectViewLayout layout;
    for (int i = 0; i < projectCommandCount; ++i)
        layout.buttons[i] = {buttonLeft, buttonLeft + i * buttonStep, buttonWidth, buttonHeight};

    const int panelWidth = width - panelLeft - margin;
    layout.title = {panelLeft, titleTop, panelWidth, titleHeight};
    layout.line = {panelLeft, lineTop, panelWidth, 2};

    // The tree takes a little less than half the panel; the group boxes the rest.
    const int treeWidth = (panelWidth - columnGap) * 9 / 20;
    const int bottom = height - margin;
    layout.treeLabel = {panelLeft, columnsTop, treeWidth, labelHeight};
    const int treeTop = columnsTop + labelHeight + 4;
    layout.tree = {panelLeft, treeTop, treeWidth, bottom - treeTop};

    const int groupLeft = panelLeft + treeWidth + columnGap;
    const int groupWidth = width - margin - groupLeft;
    layout.name = groupWithValue(groupLeft, columnsTop, groupWidth, singleLineGroupHeight);
    const int createdTop = bottom - singleLineGroupHeight;
    layout.created = groupWithValue(groupLeft, createdTop, groupWidth, singleLineGroupHeight);
    const int authorTop = createdTop - groupGap - singleLineGroupHeight;
    layout.author = groupWithValue(groupLeft, authorTop, groupWidth, singleLineGroupHeight);
    const int descriptionTop = layout.name.group.bottom() + groupGap;
    layout.description = groupWithValue(groupLeft, descriptionTop, groupWidth,
                                        authorTop - groupGap - descriptionTop);
    return layout;
}

} // namespace zim
