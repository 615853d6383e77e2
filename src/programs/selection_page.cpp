#include "programs/selection_page.h"

#include <algorithm>

#include "programs/program_columns.h"
#include "programs/program_editor.h"
#include "programs/program_texts.h"
#include "records/codepage.h"
#include "records/io_error.h"

namespace ovis {

SelectionPage::SelectionPage()
    : lines_(std::make_unique<ProgramTable>()),
      preview_(
          program_column::kCount, [this] { return lines_->Count(); },
          [this](std::size_t row, int column) { return ProgramCellText(lines_->Row(row), column); }) {}

void SelectionPage::SetList(std::vector<ProgramListEntry> entries, const std::filesystem::path& projectDir) {
    entries_ = std::move(entries);
    if (entries_.empty())
        selected_.reset();
    else if (selected_)
        selected_ = ProgramEditor::ListSelectionAfterDelete(*selected_, entries_.size());
    LoadPreview(projectDir);
}

int SelectionPage::ListRows() const { return std::max(kProgramListMinRows, int(entries_.size())); }

std::string SelectionPage::ListCellText(int row, int column) const {
    if (row < 0 || std::size_t(row) >= entries_.size()) return {};
    const ProgramListEntry& entry = entries_[std::size_t(row)];
    switch (column) {
        case 0: return entry.number;
        case 1: return entry.name;
        case 2: return entry.sizeText;
        case 3: return entry.dateText;
        default: return {};
    }
}

void SelectionPage::Select(int row, const std::filesystem::path& projectDir) {
    if (row < 0 || std::size_t(row) >= entries_.size()) return;
    selected_ = std::size_t(row);
    LoadPreview(projectDir);
}

std::string SelectionPage::SelectedName() const { return selected_ ? entries_[*selected_].name : std::string(); }

std::optional<std::string> SelectionPage::CopiedName(bool previewFocused) const {
    if (previewFocused) return preview_.CurrentName();
    if (!selected_) return std::nullopt;
    return FromUtf8(entries_[*selected_].name);
}

void SelectionPage::LoadPreview(const std::filesystem::path& projectDir) {
    lines_->SetCount(0);
    try {
        if (selected_) LoadProgramLines(*lines_, projectDir, entries_[*selected_].name);
    } catch (const IoError&) {
        lines_->SetCount(0);  // a damaged file is not previewed; opening it reports the error
    }
    preview_.Opened();
}

}  // namespace ovis
