#include "evaluation/folder_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "project/listed_files.h"
#include "project/program_files.h"
#include "project/recording_begin.h"
#include "project/recording_event.h"
#include "records/typed_file.h"

namespace ovis {

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
