#include "project/selection_table.h"

#include <algorithm>
#include <cstring>

#include "records/typed_file.h"

namespace ovis {

void SelectionTable::ShowAll() {
    for (auto& record : records_) std::fill(std::begin(record.Shown), std::end(record.Shown), std::uint8_t{1});
}

void SelectionTable::Load(const std::filesystem::path& projectDir) {
    auto path = ResolveInDirectory(projectDir, kSelectionFileName);
    auto read =
        ReadRecordsWithRetries<TAuswahlRecord>(path, records_.size(), OpenRetry{10, std::chrono::milliseconds(10)});
    ShowAll();
    if (read) std::copy(read->records.begin(), read->records.end(), records_.begin());
}

void SelectionTable::Save(const std::filesystem::path& projectDir) const {
    WriteRecords(ResolveInDirectory(projectDir, kSelectionFileName), records_.data(), records_.size());
}

void SelectionTable::RemoveFolder(int folder, int folderCountBefore) {
    auto showAll = [](TAuswahlRecord& r) { std::fill(std::begin(r.Shown), std::end(r.Shown), std::uint8_t{1}); };
    if (folderCountBefore < 2) {
        showAll(records_[1]);
        return;
    }
    for (int k = folder; k < kMaxAcquisitionFolders; ++k) records_[k] = records_[k + 1];
    for (int k = folderCountBefore; k <= kMaxAcquisitionFolders; ++k) showAll(records_[k]);
}

bool SelectionTable::AnySelected(std::size_t messageCount) const {
    std::size_t n = std::min(messageCount, std::size(records_[0].Shown));
    return std::any_of(records_[0].Shown, records_[0].Shown + n, [](std::uint8_t b) { return b != 0; });
}

}  // namespace ovis
