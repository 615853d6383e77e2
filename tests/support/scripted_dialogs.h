#pragma once
// Dialogs for tests: records every box and input prompt, answers from scripted queues.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace ovis::test {

class ScriptedDialogs final : public Dialogs {
public:
    struct Box {
        BoxKind kind;
        std::string text;
        Buttons buttons;
        std::string caption;
    };
    struct Prompt {
        std::string caption, prompt, initial;
    };

    Answer Show(BoxKind kind, const std::string& text, Buttons buttons, const std::string& caption) override {
        boxes.push_back({kind, text, buttons, caption});
        if (onShow) onShow(boxes.back());
        if (answers.empty()) return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }

    std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override {
        prompts.push_back({caption, prompt, initial});
        if (inputs.empty()) return std::nullopt;  // no scripted answer: Cancel
        std::string a = inputs.front();
        inputs.pop_front();
        return a;
    }

    std::function<void(const Box&)> onShow;  // runs while a box is shown
    std::deque<Answer> answers;      // for boxes with more than an OK button
    std::deque<std::string> inputs;  // for input boxes
    std::vector<Box> boxes;
    std::vector<Prompt> prompts;
};

}  // namespace ovis::test
