// Scripted answers to the window pages' pickers and message boxes for the native tests: each
// picker call is recorded with its title and starting point, each message with its text and
// caption, and the planned answers are given back.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editors/window/window_class_rules.h"

namespace zim::test {

class WindowPageScript : public WindowClassPrompts {
  public:
    // Planned answers. A file or colour left empty, and an entry of 0, cancel the picker.
    std::optional<std::filesystem::path> file;
    int entry = 0;
    std::optional<int32_t> colour;
    int answer = box::answerYes; // to a question

    // What the page asked: "picker(title, start)" lines and the messages shown.
    std::vector<std::string> pickers;
    std::vector<PageMessage> messages;

    // "text | caption" of the last message, or "" when none was shown.
    std::string lastMessage() const {
        return messages.empty() ? "" : messages.back().text + " | " + messages.back().caption;
    }

    bool openFile(const std::string& title, const std::string& filter,
                  std::filesystem::path& chosen) override {
        pickers.push_back("file(" + title + ", " + filter + ")");
        if (file)
            chosen = *file;
        return file.has_value();
    }
    int show(const PageMessage& message) override {
        messages.push_back(message);
        return (message.flags & box::yesNo) == box::yesNo ? answer : box::answerOk;
    }
    int systemColour(const std::string& title, int start) override {
        return list("systemColour", title, start);
    }
    int stockBrush(const std::string& title, int start) override {
        return list("stockBrush", title, start);
    }
    int standardIcon(const std::string& title, int start) override {
        return list("standardIcon", title, start);
    }
    int standardCursor(const std::string& title, int start) override {
        return list("standardCursor", title, start);
    }
    std::optional<int32_t> customColour(const SampleColour& start) override {
        pickers.push_back("colour(" + std::to_string(start.value) + ")");
        return colour;
    }

  private:
    int list(const std::string& picker, const std::string& title, int start) {
        pickers.push_back(picker + "(" + title + ", " + std::to_string(start) + ")");
        return entry;
    }
};

} // namespace zim::test
