#pragma once
// Dialogs for the command line: boxes are printed to stderr (carriage returns as line breaks),
// questions take their default answer, input boxes are answered from a queue.
#include <deque>
#include <string>

#include "platform/dialogs.h"

namespace ovis::cli {

class StderrDialogs final : public Dialogs {
public:
    Answer Show(BoxKind kind, const std::string& text, Buttons buttons, const std::string& caption) override;
    std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                     const std::string& initial) override;

    // Answers for the next input boxes; an input box with no answer left is cancelled.
    std::deque<std::string> inputs;
    int shown = 0;  // boxes printed so far
};


}  // namespace ovis::cli
