#include "shell/project_view_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace zim {
namespace {

// At the main window's size and at a larger one, every control lies inside the view, the
// panel lies right of the buttons, and nothing overlaps except a group box and its value.
TEST(ShellProjectViewLayout, PanelFitsWithoutOverlaps) {
    for (const auto& size : {std::pair{1004, 674}, std::pair{1010, 680}, std::pair{1270, 900}}) {
        const LayoutBox view{0, 0, size.first, size.second};
        const ProjectViewLayout l = projectViewLayout(size.first, size.second);
        const std::vector<LayoutBox> boxes = {l.buttons[0],   l.buttons[1],        l.buttons[2],
                                              l.buttons[3],   l.buttons[4],        l.title,
                                              l.line,         l.treeLabel,         l.tree,
                                              l.name.group,   l.description.group, l.author.group,
                                              l.created.group};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(contains(view, boxes[i])) << i;
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(overlaps(boxes[i], boxes[j])) << i << " and " << j;
        }
        for (const GroupLayout* group : {&l.name, &l.description, &l.author, &l.created}) {
            EXPECT_TRUE(contains(group->group, group->value));
            EXPECT_GE(group->value.height, 20);                 // one line of the control font
            EXPECT_GE(group->value.top - group->group.top, 20); // below the group's caption
        }
        EXPECT_GE(l.title.left, l.buttons[0].right());
        EXPECT_GE(l.title.height, 36); // the banner font is 30 pixels high
        EXPECT_GE(l.description.value.height, 100);
        EXPECT_GE(l.tree.height, 400);
        EXPECT_EQ(l.treeLabel.left, l.tree.left);
        EXPECT_LT(l.treeLabel.bottom(), l.tree.top + 10);
    }
}

} // namespace
} // namespace zim
