#include "evaluation/folder_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "project/listed_files.h"
#include "project/program_files.h"
#include "project/recording_event.h"
#include "records/typed_file.h"

namespace ovis {
namespace {

// Records read first when looking for the first message; the rest only when needed.
constexpr std::size_t kBeginProbeRecords = 64;

std::string BeginTextOf(const TRecordingEvent& e) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d   %02d:%02d", int(e.Tag), int(e.Monat), 1900 + int(e.Jahr),
                  int(e.Std), int(e.Min));
    return text;
}

std::optional<std::string> FirstMessageBegin(const Bytes& bytes) {
    const std::size_t records = bytes.size() / sizeof(TRecordingEvent);
    for (std::size_t k = 0; k < records; ++k) {
        TRecordingEvent e;
        std::memcpy(&e, bytes.data() + k * sizeof e, sizeof e);
        if (e.Meldung.get() != 0) return BeginTextOf(e);
    }
    return std::nullopt;
}

}  // namespace

std::vector<FolderFile> RecordingFilesOf(const std::filesystem::path& dir) {
    std::vector<FolderFile> files;
    for (const std::string& name : ListedFileNames(dir, kRecordingExtension)) {
        FolderFile file;
        file.path = dir / name;
        file.name = name.substr(0, name.size() - std::string_view(kRecordingExtension).size());
        std::error_code ec;
        file.size = std::filesystem::file_size(file.path, ec);
        if (ec) file.size = 0;
        file.modified = std::filesystem::last_write_time(file.path, ec);
        files.push_back(std::move(file));
    }
    return files;
}

std::vector<FolderFile> OrderByModification(std::vector<FolderFile> files, std::size_t limit) {
    std::stable_sort(files.begin(), files.end(),
                     [](const FolderFile& a, const FolderFile& b) { return a.modified > b.modified; });
    if (files.size() > limit) files.resize(limit);
    return files;
}

std::string FileBeginText(const std::filesystem::path& file) {
    const OpenRetry once{1, std::chrono::milliseconds(0)};
    try {
        auto probe = ReadFilePrefixWithRetries(file, kBeginProbeRecords * sizeof(TRecordingEvent), once);
        if (!probe) return {};
        if (auto text = FirstMessageBegin(probe->bytes)) return *text;
        if (probe->fileSize <= probe->bytes.size()) return {};
        auto whole = ReadFilePrefixWithRetries(file, kRecordingCapacity * sizeof(TRecordingEvent), once);
        if (!whole) return {};
        return FirstMessageBegin(whole->bytes).value_or("");
    } catch (const IoError&) {
        return {};
    }
}

FolderFileRow FolderFileRowOf(const FolderFile& file) {
    return {file.name, " " + FileBeginText(file.path), FileSizeText(file.size), FileDateText(file.modified)};
}

FolderFileList ListFolderFiles(const std::filesystem::path& dir) {
    std::vector<FolderFile> files = RecordingFilesOf(dir);
    FolderFileList list;
    list.total = files.size();
    for (const FolderFile& file : OrderByModification(std::move(files))) list.rows.push_back(FolderFileRowOf(file));
    return list;
}

std::string FolderListCutNote(std::size_t total) {
    return "Es werden die 64 neuesten von " + std::to_string(total) + " Dateien angezeigt.";
}

}  // namespace ovis
