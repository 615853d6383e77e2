#include "evaluation/time_range.h"

#include <algorithm>
#include <cstdint>

#include "evaluation/analyser_edit.h"
#include "evaluation/analyser_navigation.h"
#include "evaluation/column_states.h"
#include "project/recording_time.h"

namespace ovis {
namespace {

constexpr std::int64_t kStepsPerSecond = 100000;
constexpr std::int64_t kStepsPerDay = 86400 * kStepsPerSecond;
constexpr std::int64_t kStepsPerYear = 365 * kStepsPerDay;

TTimeStamp ToSecond(TTimeStamp t) {
    t.MSek = 0;
    t.Misek = 0;
    return t;
}

std::int64_t SecondOfDay(const TTimeStamp& t) { return std::int64_t(t.Std) * 3600 + t.Min * 60 + t.Sek; }

std::int64_t Key(const TTimeStamp& t) { return std::int64_t(t.Jahr) * kStepsPerYear + StampSteps(t); }

void TakeDate(TTimeStamp& t, const TTimeStamp& date) {
    t.Jahr = date.Jahr;
    t.Monat = date.Monat;
    t.Tag = date.Tag;
}

TTimeStamp NextDay(TTimeStamp t) {
    AddUnits(t, kDivisions[0], 1);
    return t;
}

void SetRoundedSteps(TRecordingEvent& e, std::int64_t steps) { SetEventSeconds(e, double(steps) / double(kStepsPerSecond)); }

}  // namespace

TimeRange InitialTimeRange(const TRecording& rec) {
    TimeRange range;
    for (std::size_t k = 1; k <= rec.Count(); ++k) {
        if (!IsMarker(rec.Event(k))) {
            range.begin = ToSecond(StampOf(rec.Event(k)));
            break;
        }
    }
    if (rec.Count() > 0) range.end = ToSecond(StampOf(rec.Event(rec.Count())));
    return range;
}

std::string EventRangeCaption(const std::vector<std::string>& markedNames) {
    if (markedNames.size() == 1) return "Zeitbereich von Meldung \"" + markedNames.front() + "\" festlegen";
    return "Zeitbereich markierter Meldungen festlegen";
}

std::string WrongRangeText() { return "Der Zeitbereich wurde falsch eingetragen. Bitte korrigieren Sie diesen!"; }

void FollowDatesInEventRange(TimeRange& range, const TimeRange& file) {
    TakeDate(range.begin, SecondOfDay(range.begin) >= SecondOfDay(file.begin) ? file.begin : file.end);
    TakeDate(range.end, SecondOfDay(range.end) <= SecondOfDay(file.end) ? file.end : file.begin);
}

void FollowDatesInFileLimits(TimeRange& range) {
    if (Key(range.begin) > Key(range.end)) TakeDate(range.end, NextDay(range.begin));
    if (Key(range.end) >= Key(NextDay(range.begin))) TakeDate(range.end, range.begin);
}

bool RangeIsValid(const TimeRange& range) { return Key(range.end) > Key(range.begin); }

bool ApplyEventRange(TRecording& rec, const std::vector<int>& messages, const TimeRange& range, bool activated) {
    if (!RangeIsValid(range) || rec.Count() < 3) return false;
    std::vector<int> used;
    for (int m : messages)
        if (HasRecordFrom3(rec, m)) used.push_back(m);
    if (rec.Count() + 2 * used.size() > TRecording::Capacity()) return false;
    const std::int64_t b = StampSteps(range.begin);
    const std::int64_t e = StampSteps(range.end);
    const TRecordingEvent beginRecord = RecordAt(0, false, ToSecond(range.begin));
    const TRecordingEvent endRecord = RecordAt(0, false, ToSecond(range.end));
    const auto firstFrom = [&](auto&& holds) {
        std::size_t k = 1;
        while (k <= rec.Count() && !holds(EventSteps(rec.Event(k)))) ++k;
        return k;
    };
    const auto levelBefore = [&](int m, std::size_t k) {
        for (std::size_t i = k - 1; i >= 1; --i)
            if (MessageNumber(rec.Event(i)) == m) return IsLevelHigh(rec.Event(i));
        return false;
    };
    const auto withMessage = [](TRecordingEvent r, int m, bool high) {
        r.Meldung = std::uint16_t(m | (high ? kLevelHighBit : 0));
        return r;
    };
    std::size_t j = 0;
    for (int m : used) {
        ++j;
        // The marker pair is never a place for a record of a message.
        const std::size_t o = std::max<std::size_t>(3, firstFrom([&](std::int64_t t) { return t > b; }));
        const bool highBefore = levelBefore(m, o);
        std::size_t q = std::max(o, firstFrom([&](std::int64_t t) { return t >= e; }));
        const bool highAtEnd = levelBefore(m, q);
        for (std::size_t k = q - 1; k >= o; --k) {
            if (MessageNumber(rec.Event(k)) == m) {
                rec.Erase(k);
                --q;
            }
        }
        if (b > EventSteps(rec.Event(3))) {
            if (activated != highBefore) {
                rec.Insert(o, withMessage(beginRecord, m, activated));
                ++q;
            }
        } else {
            const std::size_t first = NextRecordAtOrAfter(rec, m, 0);
            if (first != 0) rec.Event(first) = withMessage(rec.Event(first), m, activated);
        }
        // Later rows' end records follow those of earlier rows; never past a record after the end.
        const std::size_t after = firstFrom([&](std::int64_t t) { return t > e; });
        const std::size_t at = std::min(q + j - 1, after);
        const bool endThere = at <= rec.Count() && EventSteps(rec.Event(at)) == e;
        if (!endThere && activated != highAtEnd) rec.Insert(at, withMessage(endRecord, m, highAtEnd));
    }
    return true;
}

bool ApplyFileLimits(TRecording& rec, const TimeRange& range) {
    std::size_t f = 1;
    while (f <= rec.Count() && IsMarker(rec.Event(f))) ++f;
    if (f > rec.Count() || f < 2) return false;
    const std::int64_t b = StampSteps(ToSecond(range.begin));
    const std::int64_t e = StampSteps(ToSecond(range.end));
    const std::int64_t delta = b - EventSteps(rec.Event(f));
    const std::size_t m = BlockSize(rec);
    if (m == 0) return false;
    std::size_t v = f;
    while (v <= rec.Count() && EventSteps(rec.Event(v)) + delta < e) ++v;
    const bool cut = EventSteps(rec.Event(rec.Count())) + delta > e;
    if (cut && v + m - 1 > TRecording::Capacity()) return false;
    for (std::size_t k = f - 1; k <= rec.Count(); ++k) SetRoundedSteps(rec.Event(k), EventSteps(rec.Event(k)) + delta);
    const TRecordingEvent endRecord = RecordAt(0, false, ToSecond(range.end));
    std::vector<TRecordingEvent> finalBlock(&rec.Event(rec.Count() - m + 1), &rec.Event(rec.Count()) + 1);
    if (cut) {
        while (rec.Count() < v + m - 1) rec.Append(TRecordingEvent{});
        rec.Truncate(v + m - 1);
    } else {
        v = rec.Count() - m + 1;
    }
    for (std::size_t i = 0; i < m; ++i) {
        TRecordingEvent r = endRecord;
        r.Meldung = finalBlock[i].Meldung;
        rec.Event(v + i) = r;
    }
    return true;
}

}  // namespace ovis
