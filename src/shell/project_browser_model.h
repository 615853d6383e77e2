#pragma once
// The project browser's decisions: which folder is a project, what a folder lists and how,
// typing to jump, the visited paths, the path box and going back.
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovis {

inline constexpr int kProjectBrowserHelpContext = 1001;
inline constexpr const char* kProjectBrowserCaption = "Projekt öffnen";

// --- Recognising a project ---------------------------------------------------------------

struct ProjectRecognition {
    bool chosen = false;
    std::filesystem::path baseDirectory;  // the base directory after the rule (ends with a separator)
    std::string projectName;              // set when chosen
};

// The rule applied after a folder was opened by a double click or Enter: a folder directly in a
// folder named exactly "Projekte" that holds "Parameter.ofp" is a project; the directory holding
// that "Projekte" folder becomes the base directory. Otherwise nothing changes.
ProjectRecognition RecogniseProject(const std::filesystem::path& openedFolder,
                                    const std::filesystem::path& baseDirectory,
                                    const std::function<bool(const std::filesystem::path&)>& fileExists);

// --- Listing a folder --------------------------------------------------------------------

struct BrowserItem {
    std::string name;  // UTF-8
    bool folder = false;
    std::uintmax_t size = 0;
    std::string sizeText;      // "%dKB" for files, empty for folders
    std::string typeName;
    std::string modifiedText;  // "dd.MM.yyyy hh:mm:ss" in local time, empty when unknown
    bool readOnly = false;
    bool hidden = false;
    bool system = false;  // devices, sockets and pipes
};

// "%dKB" of bytes / 1000, at least 1.
std::string SizeText(std::uintmax_t bytes);
// The type name shown for an entry: the program's own file types by name, else from the extension.
std::string TypeName(std::string_view name, bool folder);
// "dd.MM.yyyy hh:mm:ss".
std::string DateTimeText(const std::tm& local);
// The local modification time text of a file time; empty when it cannot be converted.
std::string ModificationTimeText(std::filesystem::file_time_type time);

// Every entry of the folder, hidden ones included: folders first, each part in name order
// ignoring case. IoError when the folder cannot be read.
std::vector<BrowserItem> ListFolder(const std::filesystem::path& folder);

// The dialog is 16 pixels wider when the list has 10 or more items (room for the scroll bar).
int BrowserDialogWidth(int baseWidth, std::size_t itemCount);

// --- Keyboard and path box -----------------------------------------------------------------

// The next item whose name begins with `typed`, ignoring case, wrapping around. A single
// character searches from the item after `current` (repeating a letter steps through its
// items); a longer text searches from `current` itself, so a growing prefix stays put.
std::optional<std::size_t> FindTypedItem(const std::vector<std::string>& names, std::optional<std::size_t> current,
                                         std::string_view typed);

// Collects typed characters into one search text; a pause longer than `interval` starts anew.
class TypeAhead {
public:
    explicit TypeAhead(std::chrono::milliseconds interval) : interval_(interval) {}
    const std::string& Add(std::string_view text, std::chrono::milliseconds now);
    void Reset() { typed_.clear(); }

private:
    std::chrono::milliseconds interval_;
    std::chrono::milliseconds last_{0};
    std::string typed_;
};

// The path box's entries: every visited folder, the newest on top, none twice.
class VisitedPaths {
public:
    // True when the path was new and inserted at the top.
    bool Add(const std::string& path);
    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

// The path to open for a text entered in the path box: a text ending with ":" gets a separator.
std::string PathFromTypedText(std::string_view text);

// A folder path without "." and ".." steps and without trailing separators (the root keeps its own).
std::filesystem::path NormalFolderPath(const std::filesystem::path& folder);

// The folder above `folder`; nothing at the top of the file system.
std::optional<std::filesystem::path> ParentFolder(const std::filesystem::path& folder);

// The message for a path box text that is no folder.
std::string FolderNotFoundMessage(const std::string& path);

// --- View style ----------------------------------------------------------------------------

enum class BrowserViewStyle { List, Report };
// Remembered for the whole process; report at the first opening.
BrowserViewStyle RememberedViewStyle();
void RememberViewStyle(BrowserViewStyle style);

}  // namespace ovis
