#pragma once
// The rules for a project name typed by the user.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "records/blanks.h"

namespace ovis {

enum class NameVerdict {
    Accepted,
    Empty,           // ask again without a message
    Forbidden,       // a forbidden character
    NotStorable,     // a character that code page 1252 cannot hold
    Exists,          // a project of that name exists (compared without regard to case)
};

struct NameCheck {
    NameVerdict verdict;
    std::string name;     // the name with leading and trailing blanks removed
    std::string message;  // the text to show, empty for Accepted and Empty
};

// True for \ / : * ? " < > | ; only characters 32 to 127 are tested.
bool IsForbiddenNameCharacter(char c);

// The line of forbidden characters, as every project name warning ends.
extern const char* const kForbiddenCharactersLine;

// The texts of one kind of name check.
struct NameTexts {
    std::string forbiddenPrefix;  // followed by the name and the forbidden-character explanation
    std::string existsPrefix;     // followed by the name and existsSuffix
    std::string existsSuffix;
    std::string forbiddenLine = kForbiddenCharactersLine;  // ends the forbidden-character warning
};

// The checks shared by every name the user gives to a file-system object: trimming, forbidden
// characters, characters the record files cannot store, an existing object of that name.
NameCheck CheckName(std::string_view entered, const NameTexts& texts,
                    const std::function<bool(const std::string&)>& exists);

class Dialogs;

// The input loop for a name: asks until the name passes CheckName or the user cancels. Blanks
// only ask again without a message; a forbidden or unstorable name gives a warning, an existing
// one an information. The box shows the text last entered.
std::optional<std::string> AskForName(Dialogs& dialogs, const std::string& caption, const std::string& prompt,
                                      const std::string& initial, const NameTexts& texts,
                                      const std::function<bool(const std::string&)>& exists);

extern const NameTexts kProjectNameTexts;

// `projectExists` answers whether a project of that name exists in the project root.
NameCheck CheckProjectName(std::string_view entered, const std::function<bool(const std::string&)>& projectExists);

// True when `dir` holds an entry named `name`, compared without regard to case.
bool DirectoryEntryExists(const std::filesystem::path& dir, const std::string& name);

// Folds A-Z and the Latin-1 capitals of UTF-8 text to lower case, for name comparisons.
std::string FoldCase(std::string_view utf8);

}  // namespace ovis
