#pragma once
// "Zeitbereich festlegen": the level of the marked messages over a time range (event-range mode)
// and the file's begin and end (file-limits mode), with the date rules of the dialog. Times are to
// the second.
#include <string>
#include <vector>

#include "evaluation/recording_division.h"
#include "project/recording.h"

namespace ovis {

struct TimeRange {
    TTimeStamp begin;
    TTimeStamp end;
};

// Begin: the first record whose Meldung is not 0; end: record Count; both to the second.
TimeRange InitialTimeRange(const TRecording& recording);

// The caption in event-range mode: the one marked message's name (screen text), or the text for
// several or none.
std::string EventRangeCaption(const std::vector<std::string>& markedNames);
std::string WrongRangeText();

// After a time picker changed: the dates in event-range mode (within the file's two days) and in
// file-limits mode (the end within 24 hours after the begin).
void FollowDatesInEventRange(TimeRange& range, const TimeRange& file);
void FollowDatesInFileLimits(TimeRange& range);

// True when the end (date and time) is later than the begin.
bool RangeIsValid(const TimeRange& range);

// "Übernehmen" in event-range mode for the marked rows' messages (row order): High from begin to
// end when `activated`, Low otherwise, each returning to its level at the end. False (nothing
// changed) for a range that is not valid or would not fit the capacity.
bool ApplyEventRange(TRecording& recording, const std::vector<int>& messages, const TimeRange& range, bool activated);

// "Übernehmen" in file-limits mode: every record moves by the new begin's distance from the first
// event; past the new end the final block takes the place of the records. False when it would
// not fit the capacity.
bool ApplyFileLimits(TRecording& recording, const TimeRange& range);

}  // namespace ovis
