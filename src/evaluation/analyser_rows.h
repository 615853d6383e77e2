#pragma once
// The analyser's rows: the folder's messages that its selection record shows, in folder order,
// and the row of each message number.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "project/auswahl_record.h"

namespace ovis {

// Rows and columns of the diagram's state table.
inline constexpr int kAnalyserRowCapacity = 1000;
inline constexpr int kAnalyserMaxColumns = 120;
// The diagram never has fewer rows than this; rows beyond the shown messages stay empty.
inline constexpr int kAnalyserMinimumRows = 33;
// Message numbers a record can carry (bits 0-9 of its first word).
inline constexpr int kRecordedNumberRange = 1024;

class AnalyserRows {
public:
    // Message k of the folder (0-based) is shown when byte k of the selection is 1; messages
    // beyond the record's 1000 bytes, and beyond the row capacity, are not shown. `nameOf` gives a
    // message's name (record bytes).
    static AnalyserRows Build(std::span<const int> folderMessages, const TAuswahlRecord& selection,
                              const std::function<std::string(int)>& nameOf);

    int Count() const { return int(messages_.size()); }
    // The diagram's rows: the shown ones, at least kAnalyserMinimumRows.
    int DiagramRows() const { return Count() < kAnalyserMinimumRows ? kAnalyserMinimumRows : Count(); }
    // Row r, 1-based; 0 and "" for an empty row.
    int Message(int row) const;
    const std::string& Name(int row) const;
    // The row showing message `number`; 0 when it has none.
    int RowOf(int number) const {
        return number >= 0 && number < kRecordedNumberRange ? rowOf_[std::size_t(number)] : 0;
    }

private:
    std::vector<int> messages_;
    std::vector<std::string> names_;
    std::array<std::uint16_t, kRecordedNumberRange> rowOf_{};
};

}  // namespace ovis
