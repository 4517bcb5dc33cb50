// Answers the image selection's questions from a plan and writes down every question and
// message.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editors/controls/image_selection.h"

namespace zim::test {

class ScriptedPrompts : public ImageSelectionPrompts {
  public:
    int menuAnswer = 0;
    int iconAnswer = 0;
    std::optional<std::filesystem::path> fileAnswer;
    int questionAnswer = box::answerNo;
    std::vector<std::string> asked;
    std::vector<std::string> shown;

    int iconMenu() override {
        asked.push_back("menu");
        return menuAnswer;
    }
    int standardIcon(const std::string& title, int start) override {
        asked.push_back(title + " from " + std::to_string(start));
        return iconAnswer;
    }
    bool openFile(const std::string& title, const std::string& filter,
                  std::filesystem::path& chosen) override {
        asked.push_back(title + " | " + filter);
        if (fileAnswer)
            chosen = *fileAnswer;
        return fileAnswer.has_value();
    }
    int show(const PageMessage& message) override {
        shown.push_back(message.text + " | " + message.caption + " | " +
                        std::to_string(message.flags));
        return message.flags & box::yesNo ? questionAnswer : box::answerOk;
    }
};

} // namespace zim::test
