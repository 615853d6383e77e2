#include "shell/project_browser_model.h"

#include <algorithm>
#include <cstdio>

#include "records/io_error.h"
#include "records/typed_file.h"
#include "project/file_types.h"
#include "project/project_names.h"
#include "project/project_store.h"

namespace ovis {
namespace fs = std::filesystem;

namespace {

std::size_t CodePointCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(),
                                                  [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

BrowserViewStyle rememberedViewStyle = BrowserViewStyle::Report;

}  // namespace

ProjectRecognition RecogniseProject(const fs::path& openedFolder, const fs::path& baseDirectory,
                                    const std::function<bool(const fs::path&)>& fileExists) {
    ProjectRecognition result{false, baseDirectory, {}};
    const fs::path folder = NormalFolderPath(openedFolder);
    if (!folder.has_filename()) return result;
    const fs::path projects = folder.parent_path();
    if (projects.filename().string() != kProjectsFolder) return result;
    // Only a folder that holds the parameter file is a project; a folder that does not (an
    // empty "Projekte" entry, a subfolder of a project) leaves the base directory alone.
    if (!fileExists(ResolveInDirectory(folder, kParameterFileName))) return result;
    result.chosen = true;
    result.baseDirectory = projects.parent_path() / "";
    result.projectName = folder.filename().string();
    return result;
}

std::string SizeText(std::uintmax_t bytes) { return std::to_string(std::max<std::uintmax_t>(bytes / 1000, 1)) + "KB"; }

std::string TypeName(std::string_view name, bool folder) {
    if (folder) return "Dateiordner";
    if (const FileTypeEntry* type = FileTypeOf(name)) return type->typeName;
    std::string extension = fs::path(std::string(name)).extension().string();
    if (extension.size() <= 1) return "Datei";
    std::string upper = extension.substr(1);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : char(c); });
    return upper + "-Datei";
}

std::string DateTimeText(const std::tm& local) {
    char text[80];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

std::string ModificationTimeText(fs::file_time_type time) {
    const auto system = std::chrono::file_clock::to_sys(time);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return {};
    return DateTimeText(local);
}

std::vector<BrowserItem> ListFolder(const fs::path& folder) {
    std::vector<BrowserItem> items;
    std::error_code ec;
    fs::directory_iterator it(folder, fs::directory_options::none, ec);
    if (ec) throw IoError(FileErrorText("Der Ordner", folder, "er kann nicht gelesen werden: " + SystemErrorText(ec)));
    // A failed step ends the iteration; the entries read so far are listed.
    for (fs::directory_iterator end; it != end; it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        BrowserItem item;
        item.name = entry.path().filename().string();
        std::error_code statusError;
        fs::file_status status = entry.status(statusError);
        if (statusError) status = entry.symlink_status(statusError);  // a dangling link
        item.folder = fs::is_directory(status);
        item.system = fs::is_block_file(status) || fs::is_character_file(status) || fs::is_fifo(status) ||
                      fs::is_socket(status);
        if (!item.folder) {
            std::error_code sizeError;
            if (fs::is_regular_file(status)) item.size = entry.file_size(sizeError);
            item.sizeText = SizeText(sizeError ? 0 : item.size);
        }
        item.typeName = TypeName(item.name, item.folder);
        std::error_code timeError;
        const auto modified = entry.last_write_time(timeError);
        if (!timeError) item.modifiedText = ModificationTimeText(modified);
        item.readOnly = status.permissions() != fs::perms::unknown &&
                        (status.permissions() & fs::perms::owner_write) == fs::perms::none;
        item.hidden = !item.name.empty() && item.name.front() == '.';
        items.push_back(std::move(item));
    }
    std::sort(items.begin(), items.end(), [](const BrowserItem& a, const BrowserItem& b) {
        if (a.folder != b.folder) return a.folder;
        const std::string fa = FoldCase(a.name), fb = FoldCase(b.name);
        return fa != fb ? fa < fb : a.name < b.name;
    });
    return items;
}

int BrowserDialogWidth(int baseWidth, std::size_t itemCount) { return itemCount >= 10 ? baseWidth + 16 : baseWidth; }

std::optional<std::size_t> FindTypedItem(const std::vector<std::string>& names, std::optional<std::size_t> current,
                                         std::string_view typed) {
    if (names.empty() || typed.empty()) return std::nullopt;
    std::size_t start = 0;
    if (current && *current < names.size()) start = CodePointCount(typed) == 1 ? *current + 1 : *current;
    const std::string prefix = FoldCase(typed);
    for (std::size_t step = 0; step < names.size(); ++step) {
        const std::size_t index = (start + step) % names.size();
        if (FoldCase(names[index]).starts_with(prefix)) return index;
    }
    return std::nullopt;
}

const std::string& TypeAhead::Add(std::string_view text, std::chrono::milliseconds now) {
    if (!typed_.empty() && now - last_ > interval_) typed_.clear();
    typed_ += text;
    last_ = now;
    return typed_;
}

bool VisitedPaths::Add(const std::string& path) {
    if (std::find(entries_.begin(), entries_.end(), path) != entries_.end()) return false;
    entries_.insert(entries_.begin(), path);
    return true;
}

std::string PathFromTypedText(std::string_view text) {
    std::string path(text);
    if (!path.empty() && path.back() == ':') path += static_cast<char>(fs::path::preferred_separator);
    return path;
}

fs::path NormalFolderPath(const fs::path& folder) {
    fs::path p = folder.lexically_normal();
    while (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
    return p;
}

std::optional<fs::path> ParentFolder(const fs::path& folder) {
    const fs::path p = NormalFolderPath(folder);
    if (!p.has_relative_path()) return std::nullopt;  // the root
    fs::path parent = p.parent_path();
    if (parent.empty()) return std::nullopt;
    return parent;
}

std::string FolderNotFoundMessage(const std::string& path) { return "Der Ordner " + path + " wurde nicht gefunden."; }

BrowserViewStyle RememberedViewStyle() { return rememberedViewStyle; }
void RememberViewStyle(BrowserViewStyle style) { rememberedViewStyle = style; }

}  // namespace ovis
