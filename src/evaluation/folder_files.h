#pragma once
// The recording files of a folder as the evaluation window lists them: newest first, each file
// once, at most 64 rows.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ovis {

inline constexpr std::size_t kFolderFileRows = 64;

struct FolderFile {
    std::string name;  // without ".ofa"
    std::filesystem::path path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
};

// The grid cells of a file row: "Datei", "Beginn", "Größe", "Geändert am".
struct FolderFileRow {
    std::string name;
    std::string begin;     // " " + FileBeginText
    std::string size;      // FileSizeText: " " + KB (rounded up) + " KB"
    std::string modified;  // FileDateText: " dd.mm.yyyy   hh:mm"
};

struct FolderFileList {
    std::vector<FolderFileRow> rows;
    std::size_t total = 0;  // files found; more than rows.size() when the list was cut
};

// The "*.ofa" files of `dir` in listing order.
std::vector<FolderFile> RecordingFilesOf(const std::filesystem::path& dir);

// Newest modification time first; files with equal times keep their listing order. At most
// `limit` files.
std::vector<FolderFile> OrderByModification(std::vector<FolderFile> files, std::size_t limit = kFolderFileRows);

FolderFileRow FolderFileRowOf(const FolderFile& file);

// The list of `dir` as the window shows it.
FolderFileList ListFolderFiles(const std::filesystem::path& dir);

// The note below a list that was cut to the newest 64 files.
std::string FolderListCutNote(std::size_t total);

}  // namespace ovis
