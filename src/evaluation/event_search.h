#pragma once
// "Ereignis suchen": the first record from which a combination of levels holds, and the record at
// which it ends, found in one pass over the recording with a level table per message.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "evaluation/recording_division.h"
#include "project/recording_event.h"

namespace ovis {

enum class SearchCondition : std::uint8_t { Low = 0, High = 1, DontCare = 2 };

// The condition per message number; every message starts as don't care.
class SearchConditions {
public:
    SearchConditions() { conditions_.fill(SearchCondition::DontCare); }
    void Set(int message, SearchCondition condition);
    SearchCondition At(int message) const { return conditions_[std::size_t(message) & kMessageNumberMask]; }

private:
    std::array<SearchCondition, kMessageNumberMask + 1> conditions_;
};

// A condition cell's text: "High", "Low" or "x".
SearchCondition ConditionOfCell(const std::string& text);

struct SearchHit {
    std::size_t r = 0;  // the first record at which the condition holds (1-based)
    std::size_t s = 0;  // the record at which it fails, or the last record with a time above 0
    bool fileEnd = false;
};

// Scans records 1..Count (`records`) from record 3 on. `continueFrom` (0 = from the begin) is the
// lowest r a continued search accepts. Nothing found: r == 0.
SearchHit SearchEvents(std::span<const TRecordingEvent> records, const SearchConditions& conditions,
                       std::size_t continueFrom);

// The position the next continued search starts from: s, or 0 when nothing was found or the file
// end was reached.
std::size_t ContinuationAfter(const SearchHit& hit);

// The information texts: found (with the question "Wollen Sie weitersuchen?" unless the file end
// was reached), and nothing found.
std::string SearchFoundText(const TTimeStamp& r, const TTimeStamp& s, bool fileEnd);
std::string SearchNothingFoundText();

}  // namespace ovis
