#pragma once
// The "Auswahl" page of the program editor: the program list, the program selected in it and a
// read-only preview of that program in the columns of the program grid.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "project/program_files.h"
#include "programs/read_only_table.h"

namespace ovis {

inline constexpr int kProgramListMinRows = 9;
inline constexpr int kProgramListColumns = 4;  // "Nr", "Programm", "Größe", "Geändert am"

class SelectionPage {
public:
    SelectionPage();

    // A new list; the selection stays on its row, moved up when it fell off the end, and the
    // preview shows the selected program again.
    void SetList(std::vector<ProgramListEntry> entries, const std::filesystem::path& projectDir);
    const std::vector<ProgramListEntry>& List() const { return entries_; }
    // Rows of the list: at least nine.
    int ListRows() const;
    // Text of a list cell, UTF-8 (program names are file names); empty beyond the programs.
    std::string ListCellText(int row, int column) const;

    // A click on a list row: selects the program and previews it; rows beyond the list select
    // nothing.
    void Select(int row, const std::filesystem::path& projectDir);
    std::optional<std::size_t> SelectedRow() const { return selected_; }
    // The selected program's name; empty when none is selected.
    std::string SelectedName() const;

    ReadOnlyTable& Preview() { return preview_; }
    const ProgramTable& PreviewLines() const { return *lines_; }

    // "Kopieren" on this page, as record bytes: the name of the selected program (nothing when
    // code page 1252 cannot hold it), or of the preview's current line when the preview has
    // the focus.
    std::optional<std::string> CopiedName(bool previewFocused) const;

private:
    void LoadPreview(const std::filesystem::path& projectDir);

    std::vector<ProgramListEntry> entries_;
    std::optional<std::size_t> selected_;
    std::unique_ptr<ProgramTable> lines_;
    ReadOnlyTable preview_;
};

}  // namespace ovis
