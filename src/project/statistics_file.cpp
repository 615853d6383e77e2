#include "project/statistics_file.h"

#include "project/project_store.h"
#include "records/typed_file.h"

namespace ovis {
namespace {

constexpr const char* kEmptyEntry[kStatisticsTabs] = {"        ", "  .  .    ", "  :  :  ", "        "};

void SetFilter(TStatistikRecord& record, int row, std::string_view von, std::string_view bis) {
    for (int tab = 0; tab < kStatisticsTabs; ++tab) {
        record.Zeile[row].Von[tab] = von;
        record.Zeile[row].Bis[tab] = bis;
    }
}

}  // namespace

TStatistikRecord DefaultStatistikRecord(std::string_view fileDate) {
    TStatistikRecord record{};
    for (int row = 0; row < kStatisticsEntries; ++row) {
        for (int tab = 0; tab < kStatisticsTabs; ++tab) {
            record.Zeile[row].Von[tab] = kEmptyEntry[tab];
            record.Zeile[row].Bis[tab] = kEmptyEntry[tab];
        }
    }
    SetFilter(record, kDateFilterRow, fileDate, fileDate);
    SetFilter(record, kTimeFilterRow, "00:00:00", "23:59:59");
    SetFilter(record, kDurationFilterRow, "0", "1000");
    return record;
}

std::optional<TStatistikRecord> ReadStatistikRecord(const std::filesystem::path& projectDir) {
    const auto read = ReadRecordsWithRetries<TStatistikRecord>(ResolveInDirectory(projectDir, kStatisticsFileName), 1,
                                                               OpenRetry{10, std::chrono::milliseconds(10)});
    if (!read || read->records.empty()) return std::nullopt;
    return read->records.front();
}

bool StatisticsSettingsDiffer(const TStatistikRecord& a, const TStatistikRecord& b) {
    for (int row = 0; row < kStatisticsRows; ++row) {
        const int firstTab = row < kStatisticsEntries ? 1 : 0;
        for (int tab = firstTab; tab < kStatisticsTabs; ++tab) {
            if (a.Zeile[row].Von[tab].view() != b.Zeile[row].Von[tab].view()) return true;
            if (a.Zeile[row].Bis[tab].view() != b.Zeile[row].Bis[tab].view()) return true;
        }
    }
    return false;
}

void StatisticsFile::Load(const std::filesystem::path& projectDir, std::string_view fileDate) {
    record_ = DefaultStatistikRecord(fileDate);
    saved_ = record_;
    const auto read = ReadStatistikRecord(projectDir);
    if (read) {
        record_ = *read;
        saved_ = record_;
        return;
    }
    Save(projectDir);
}

void StatisticsFile::Save(const std::filesystem::path& projectDir) {
    WriteRecords(ResolveInDirectory(projectDir, kStatisticsFileName), &record_, 1);
    saved_ = record_;
}

}  // namespace ovis
