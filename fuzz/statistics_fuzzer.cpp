// Fuzz target: "Statistik.ofp" and "Berechnen". The first 1672 bytes (or fewer) are the file, the
// rest a recording's records. A file that loaded is saved again and must come back byte for byte;
// every tab is checked and computed, and its counts must add up to its total.
#include <cstdint>
#include <cstring>
#include <vector>

#include "evaluation/statistics_editing.h"
#include "evaluation/statistics_table.h"
#include "fuzz/fuzz_check.h"
#include "project/project_store.h"
#include "project/statistics_file.h"
#include "records/io_error.h"
#include "records/typed_file.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ovis;
    static test::TempDir dir;
    const std::size_t fileSize = size < sizeof(TStatistikRecord) ? size : sizeof(TStatistikRecord);
    const Bytes file(data, data + fileSize);
    WriteFileAtomically(dir / kStatisticsFileName, file);

    StatisticsFile settings;
    try {
        settings.Load(dir.path(), "01.03.2008");
    } catch (const IoError&) {
        return 0;
    }
    settings.Save(dir.path());
    if (fileSize == sizeof(TStatistikRecord))
        FUZZ_CHECK(ReadFileOrThrow(dir / kStatisticsFileName) == file, "Statistik.ofp does not round-trip");

    std::vector<TRecordingEvent> records((size - fileSize) / sizeof(TRecordingEvent));
    if (!records.empty()) std::memcpy(records.data(), data + fileSize, records.size() * sizeof(TRecordingEvent));
    const std::vector<int> shown{1, 2, 3, 1023};
    const std::vector<std::string> names{"A", "B", "C", "D"};
    for (int t = 0; t < kStatisticsTabs; ++t) {
        const auto tab = static_cast<StatisticsTab>(t);
        TStatistikRecord record = settings.Record();
        FUZZ_CHECK(EntryCount(record, tab) <= kStatisticsEntries, "more than 16 entries");
        while (const auto wrong = FindWrongEntry(record, tab)) RepairWrongEntry(record, tab, wrong->entry);
        for (DurationUnit unit : {DurationUnit::Seconds, DurationUnit::Milliseconds}) {
            const StatisticsResult result = ComputeStatistics(records, record, tab, unit, shown);
            long sum = 0;
            for (int count : result.counts) sum += count;
            FUZZ_CHECK(sum == result.total, "counts do not add up to the total");
            FUZZ_CHECK(result.total == 0 || result.minDuration >= 0, "negative duration");
            StatisticsRows(record, tab, names, &result);
            StatisticsTotals(result);
        }
    }
    return 0;
}
