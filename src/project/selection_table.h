#pragma once
// The message selection of the project: one record per folder, stored in "Auswahl.ofp".
#include <array>
#include <filesystem>

#include "project/parameter_record.h"
#include "project/auswahl_record.h"

namespace ovis {

inline constexpr const char* kSelectionFileName = "Auswahl.ofp";

class SelectionTable {
public:
    SelectionTable() { ShowAll(); }

    TAuswahlRecord& Folder(int index) { return records_.at(index); }
    const TAuswahlRecord& Folder(int index) const { return records_.at(index); }

    // Reads the records present in the file into folders 0, 1, ...; the others stay all shown.
    // After 10 failed attempts to open it everything is shown.
    void Load(const std::filesystem::path& projectDir);
    // Writes all 15 records.
    void Save(const std::filesystem::path& projectDir) const;

    // A deleted acquisition folder (1..13): the records behind it move down by one and those from
    // the former folder count to 13 show everything; with fewer than two folders before the
    // deletion, folder 1 shows everything instead.
    void RemoveFolder(int folder, int folderCountBefore);

    // True when any of the first `messageCount` entries of folder 0 is set.
    bool AnySelected(std::size_t messageCount) const;

    void ShowAll();

private:
    std::array<TAuswahlRecord, kFolderCount> records_;
};

}  // namespace ovis
