#pragma once
// The analyser's edit commands on the loaded recording: each acts on the marked rows at the cursor
// time, with each row's level at the cursor as stored when the edit menu opened. A command whose
// result would not fit the recording's capacity is refused and changes nothing.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/recording_division.h"
#include "project/recording.h"

namespace ovis {

struct EditRow {
    int message = 0;
    bool highAtCursor = false;  // the cursor cell had code 6 when the menu opened
};

struct EditTarget {
    std::vector<EditRow> rows;  // the marked rows in row order
    TTimeStamp cursor;          // the cursor column's start
};

struct EditResult {
    bool changed = false;
    std::string refusal;  // the message when the command was refused; empty otherwise
};

// The size n of the initial block (records 3 on with the time of record 3) and of the final
// block (the last n records).
std::size_t BlockSize(const TRecording& recording);

// The text of a refused edit whose result would exceed the capacity.
std::string CapacityRefusalText(std::size_t needed);

// The record of `message` at `stamp`, High or Low.
TRecordingEvent RecordAt(int message, bool high, const TTimeStamp& stamp);

// "Ereignis erzeugen": a pulse of 20 µs at the cursor for every marked row whose message has an
// initial-block record, then SortEvents.
EditResult CreatePulse(TRecording& recording, const EditTarget& target);
// "Ereignis löschen": removes the High period around the cursor of every row High there.
EditResult DeletePeriod(TRecording& recording, const EditTarget& target);
// "Anfang des Ereignisses setzen" / "Ende des Ereignisses setzen", then SortEvents.
EditResult SetPeriodBegin(TRecording& recording, const EditTarget& target);
EditResult SetPeriodEnd(TRecording& recording, const EditTarget& target);

// "Ereignis verschieben": the input box's text as a whole number; nothing for any other text.
std::optional<std::int64_t> ParseShiftValue(std::string_view input);
std::string ShiftNotANumberText(std::string_view input);
std::string ShiftBelowCursorText();
std::string ShiftBeyondEndQuestion();
// Shifts the records of the marked rows' messages after the cursor by `value` units of `division`
// (2-9). A negative shift that would move a record before the cursor is refused; a positive shift
// that would move one past the file end asks `confirmBeyondEnd` and, on yes, deletes the records
// that would lie at or after the file end. Then SortEvents.
EditResult ShiftEvents(TRecording& recording, const EditTarget& target, int division, std::int64_t value,
                       const std::function<bool()>& confirmBeyondEnd);

// "Meldungen hinzufügen": a Low record of `message` (which has none) in the initial and the final block.
EditResult AddMessage(TRecording& recording, int message);
// "Meldungen entfernen": deletes every record of `message`.
EditResult RemoveMessage(TRecording& recording, int message);

// "Info Ereignisdauer": the information text for the High period at the cursor of `message`.
std::string PeriodDurationText(const TRecording& recording, int message, const TTimeStamp& cursor);

// Record positions of `message` (1-based, 0 when there is none).
std::size_t LastRecordBefore(const TRecording& recording, int message, std::int64_t steps);
std::size_t NextRecordAtOrAfter(const TRecording& recording, int message, std::int64_t steps);
bool HasRecordFrom3(const TRecording& recording, int message);

}  // namespace ovis
