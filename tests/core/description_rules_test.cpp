#include "shell/description_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "model/default_project.h"
#include "model/project.h"
#include "model/text_field.h"
#include "shell/selection_state.h"

namespace zim {
namespace {

TEST(DescriptionRules, EmptyOrBlankTextIsMissing) {
    EXPECT_TRUE(descriptionMissing(""));
    EXPECT_TRUE(descriptionMissing("   "));
    EXPECT_TRUE(descriptionMissing(" \t "));
    EXPECT_FALSE(descriptionMissing("x"));
    EXPECT_FALSE(descriptionMissing("  Start button  "));
}

TEST(DescriptionRules, WritesTheNewRecordOfTheCurrentWindowCutTo249) {
    buildDefaultProject();
    currentWindow = 1;
    selectedButton = 2;
    selectedStatic = 2;
    auto before = std::make_unique<Project>(project()); // too large for the stack

    describeNewControl(NewControlKind::button, "Starts the run");
    EXPECT_EQ(trimmed(button(1, 2).description), "Starts the run");
    describeNewControl(NewControlKind::staticControl, std::string(300, 'd'));
    EXPECT_EQ(trimmed(staticControl(1, 2).description), std::string(249, 'd'));
    EXPECT_EQ(trimmed(button(1, 2).description), "Starts the run");
    // The neighbours keep their descriptions.
    EXPECT_EQ(trimmed(button(1, 1).description),
              trimmed(before->windows[0].buttons[0].description));
    EXPECT_EQ(trimmed(staticControl(1, 1).description),
              trimmed(before->windows[0].statics[0].description));

    // Positions outside the capacities write nowhere.
    before = std::make_unique<Project>(project());
    selectedButton = 0;
    describeNewControl(NewControlKind::button, "lost");
    selectedButton = maxButtons + 1;
    describeNewControl(NewControlKind::button, "lost");
    currentWindow = 0;
    selectedStatic = 1;
    describeNewControl(NewControlKind::staticControl, "lost");
    currentWindow = maxWindows + 1;
    describeNewControl(NewControlKind::staticControl, "lost");
    EXPECT_EQ(std::memcmp(before.get(), &project(), sizeof(Project)), 0);
}

} // namespace
} // namespace zim
