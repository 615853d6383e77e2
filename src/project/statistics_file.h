#pragma once
// "Statistik.ofp": load and save of the statistics settings, their defaults and the saved copy
// that tells on closing whether the filters or the range entries were changed.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "project/statistik_record.h"

namespace ovis {

// The record written when "Statistik.ofp" cannot be opened: empty entries ("  .  .    ",
// "  :  :  ", 8 blanks), the date filter `fileDate` to `fileDate` (dd.mm.yyyy), the time-of-day
// filter "00:00:00" to "23:59:59" and the duration filter "0" to "1000".
TStatistikRecord DefaultStatistikRecord(std::string_view fileDate);

// The record of the file, read without writing anything: nothing when the file cannot be opened
// or holds no record; IoError when it cannot be read or is no whole number of records.
std::optional<TStatistikRecord> ReadStatistikRecord(const std::filesystem::path& projectDir);

// True when the filter rows or the entries of tabs 1-3 differ (by their texts).
bool StatisticsSettingsDiffer(const TStatistikRecord& a, const TStatistikRecord& b);

class StatisticsFile {
public:
    StatisticsFile() : record_(DefaultStatistikRecord("")), saved_(record_) {}

    // Reads the file of `projectDir`; when it cannot be opened or holds no record, the defaults
    // with `fileDate` are taken and written to it. A damaged file leaves the defaults in memory,
    // the file as it is, and throws IoError. The saved copy is taken in every case.
    void Load(const std::filesystem::path& projectDir, std::string_view fileDate);
    // Writes the record (atomically) and takes the saved copy; IoError when it fails.
    void Save(const std::filesystem::path& projectDir);

    TStatistikRecord& Record() { return record_; }
    const TStatistikRecord& Record() const { return record_; }
    const TStatistikRecord& Saved() const { return saved_; }
    // The change test on closing.
    bool Changed() const { return StatisticsSettingsDiffer(record_, saved_); }

private:
    TStatistikRecord record_;
    TStatistikRecord saved_;
};

}  // namespace ovis
