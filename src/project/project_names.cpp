#include "project/project_names.h"

#include "platform/dialogs.h"
#include "records/codepage.h"

namespace ovis {

bool IsForbiddenNameCharacter(char c) {
    switch (c) {
        case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
            return true;
        default:
            return false;
    }
}

const char* const kForbiddenCharactersLine =
    "Bitte geben Sie einen anderen Namen ein!\r\r"
    "Folgende Zeichen dürfen im Projektnamen nicht enthalten sein: \\ / : * ? \" < > | ";

NameCheck CheckName(std::string_view entered, const NameTexts& texts,
                    const std::function<bool(const std::string&)>& exists) {
    NameCheck check{NameVerdict::Accepted, std::string(TrimBlanks(entered)), {}};
    const std::string& name = check.name;
    if (name.empty()) {
        check.verdict = NameVerdict::Empty;
        return check;
    }
    for (char c : name) {
        if (IsForbiddenNameCharacter(c)) {
            check.verdict = NameVerdict::Forbidden;
            check.message = texts.forbiddenPrefix + name + " enthält unerlaubte Zeichen. " + texts.forbiddenLine;
            return check;
        }
    }
    if (!RepresentableIn(name)) {
        check.verdict = NameVerdict::NotStorable;
        check.message = texts.forbiddenPrefix + name +
                        " enthält Zeichen, die in den Projektdateien nicht gespeichert werden können. "
                        "Bitte geben Sie einen anderen Namen ein!";
        return check;
    }
    if (exists(name)) {
        check.verdict = NameVerdict::Exists;
        check.message = texts.existsPrefix + name + texts.existsSuffix;
    }
    return check;
}

std::optional<std::string> AskForName(Dialogs& dialogs, const std::string& caption, const std::string& prompt,
                                      const std::string& initial, const NameTexts& texts,
                                      const std::function<bool(const std::string&)>& exists) {
    std::string text = initial;
    for (;;) {
        auto entered = dialogs.Input(caption, prompt, text);
        if (!entered) return std::nullopt;
        text = *entered;
        NameCheck check = CheckName(text, texts, exists);
        switch (check.verdict) {
            case NameVerdict::Accepted: return check.name;
            case NameVerdict::Empty: break;
            case NameVerdict::Exists: dialogs.Information(check.message); break;
            case NameVerdict::Forbidden:
            case NameVerdict::NotStorable: dialogs.Warning(check.message); break;
        }
    }
}

const NameTexts kProjectNameTexts{"Der neue Projektname ", "Das Projekt ", " existiert bereits!"};

NameCheck CheckProjectName(std::string_view entered, const std::function<bool(const std::string&)>& projectExists) {
    return CheckName(entered, kProjectNameTexts, projectExists);
}

bool DirectoryEntryExists(const std::filesystem::path& dir, const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(dir / name, ec)) return true;
    const std::string folded = FoldCase(name);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (FoldCase(it->path().filename().string()) == folded) return true;
    }
    return false;
}

std::string FoldCase(std::string_view utf8) {
    std::string out(utf8);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = char(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00C0..U+00DE (except U+00D7) are encoded C3 80..C3 9E; lower case is +0x20.
            auto d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = char(d + 0x20);
            ++i;
        }
    }
    return out;
}

}  // namespace ovis
