#pragma once
// The message and input boxes the core asks for. Texts are UTF-8; a carriage return ("\r")
// breaks a line, two make an empty line. The GUI shows modal boxes with German buttons,
// ovisctl prints to stderr, and tests script the answers and record the texts.
#include <optional>
#include <string>

namespace ovis {

// The note of a command whose window is not built yet.
inline constexpr const char* kLaterVersionNote = "Diese Funktion folgt in einer späteren Version.";

enum class BoxKind { Warning, Information, Error, Question };
enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel, YesCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A box with the given buttons; `caption` empty means the application title.
    virtual Answer Show(BoxKind kind, const std::string& text, Buttons buttons = Buttons::Ok,
                        const std::string& caption = {}) = 0;

    // An input box; nothing when the user cancels.
    virtual std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                             const std::string& initial) = 0;

    void Warning(const std::string& text) { Show(BoxKind::Warning, text); }
    void Information(const std::string& text) { Show(BoxKind::Information, text); }
    void Error(const std::string& text, const std::string& caption = {}) { Show(BoxKind::Error, text, Buttons::Ok, caption); }
};

}  // namespace ovis
