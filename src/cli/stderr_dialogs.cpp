#include "cli/stderr_dialogs.h"

#include <iostream>

#include "records/terminal_text.h"

namespace ovis::cli {

Answer StderrDialogs::Show(BoxKind, const std::string& text, Buttons buttons, const std::string&) {
    ++shown;
    std::cerr << TerminalLines(text) << '\n';
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return Answer::Cancel;
        case Buttons::YesNo: return Answer::No;
        case Buttons::YesNoCancel: return Answer::Cancel;
        case Buttons::YesCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
}

std::optional<std::string> StderrDialogs::Input(const std::string&, const std::string&, const std::string&) {
    if (inputs.empty()) return std::nullopt;
    std::string answer = inputs.front();
    inputs.pop_front();
    return answer;
}

}  // namespace ovis::cli
