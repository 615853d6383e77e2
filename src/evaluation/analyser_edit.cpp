#include "evaluation/analyser_edit.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "evaluation/column_states.h"
#include "project/recording_time.h"

namespace ovis {
namespace {

constexpr std::int64_t kStepsPerSecond = 100000;
constexpr int kFinestUnit = 8;  // "10 Mikrosekunden" in kDivisions

std::size_t FirstRecordOf(const TRecording& rec, int m, std::size_t from = 1) {
    for (std::size_t k = from; k <= rec.Count(); ++k)
        if (MessageNumber(rec.Event(k)) == m) return k;
    return 0;
}

std::size_t LastRecordOf(const TRecording& rec, int m) {
    for (std::size_t k = rec.Count(); k >= 1; --k)
        if (MessageNumber(rec.Event(k)) == m) return k;
    return 0;
}

bool FitsWith(const TRecording& rec, std::size_t added, EditResult& result) {
    if (rec.Count() + added <= TRecording::Capacity()) return true;
    result.refusal = CapacityRefusalText(rec.Count() + added);
    return false;
}

void SetLevel(TRecordingEvent& e, bool high) {
    e.Meldung = std::uint16_t((e.Meldung.get() & kMessageNumberMask) | (high ? kLevelHighBit : 0));
}

// Records 3..2+n (the initial block) hold a record of m.
bool HasInitialRecord(const TRecording& rec, int m) {
    const std::size_t last = std::min(rec.Count(), BlockSize(rec) + 2);
    for (std::size_t k = 3; k <= last; ++k)
        if (MessageNumber(rec.Event(k)) == m) return true;
    return false;
}

void SetSteps(TRecordingEvent& e, std::int64_t steps) { SetEventSeconds(e, double(steps) / double(kStepsPerSecond)); }

std::string ThreeDigits(std::int64_t value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%4.3lld", static_cast<long long>(value));
    return buffer;
}

}  // namespace

std::size_t BlockSize(const TRecording& rec) {
    if (rec.Count() < 3) return 0;
    const std::int64_t begin = EventSteps(rec.Event(3));
    std::size_t n = 1;
    while (n + 3 <= rec.Count() && EventSteps(rec.Event(n + 3)) == begin) ++n;
    return n;
}

std::string CapacityRefusalText(std::size_t needed) {
    return "Die Änderung ist nicht möglich: die Aufzeichnung hätte danach " + std::to_string(needed) +
           " Einträge, sie fasst höchstens " + std::to_string(TRecording::Capacity()) + ".";
}

TRecordingEvent RecordAt(int message, bool high, const TTimeStamp& t) {
    TRecordingEvent e{};
    e.Meldung = std::uint16_t(message | (high ? kLevelHighBit : 0));
    e.Jahr = std::uint8_t(t.Jahr);
    e.Monat = std::uint8_t(t.Monat);
    e.Tag = std::uint8_t(t.Tag);
    e.Std = std::uint8_t(t.Std);
    e.Min = std::uint8_t(t.Min);
    e.SekMSek = std::uint16_t(t.Sek * 1000 + t.MSek);
    e.Misek = std::uint8_t(t.Misek);
    return e;
}

std::size_t LastRecordBefore(const TRecording& rec, int m, std::int64_t steps) {
    for (std::size_t k = rec.Count(); k >= 1; --k) {
        const TRecordingEvent& e = rec.Event(k);
        if (MessageNumber(e) == m && EventSteps(e) < steps) return k;
    }
    return 0;
}

std::size_t NextRecordAtOrAfter(const TRecording& rec, int m, std::int64_t steps) {
    for (std::size_t k = 1; k <= rec.Count(); ++k) {
        const TRecordingEvent& e = rec.Event(k);
        if (MessageNumber(e) == m && EventSteps(e) >= steps) return k;
    }
    return 0;
}

bool HasRecordFrom3(const TRecording& rec, int m) { return m != 0 && FirstRecordOf(rec, m, 3) != 0; }

EditResult CreatePulse(TRecording& rec, const EditTarget& target) {
    EditResult result;
    std::vector<int> messages;
    for (const EditRow& row : target.rows)
        if (HasInitialRecord(rec, row.message)) messages.push_back(row.message);
    if (messages.empty() || !FitsWith(rec, 2 * messages.size(), result)) return result;
    const std::int64_t t = StampSteps(target.cursor);
    const std::size_t n = BlockSize(rec);
    TTimeStamp second = target.cursor;
    AddUnits(second, kDivisions[kFinestUnit], 2);
    const bool beginBeforeCursor = EventSteps(rec.Event(3)) < t;
    for (int m : messages) {
        const std::size_t r = beginBeforeCursor ? NextRecordAtOrAfter(rec, m, t) : 0;
        bool firstHigh = true;
        if (r != 0 && !IsLevelHigh(rec.Event(r)) && r + n <= rec.Count()) firstHigh = false;
        rec.Append(RecordAt(m, firstHigh, target.cursor));
        rec.Append(RecordAt(m, !firstHigh, second));
    }
    rec.SortEvents();
    result.changed = true;
    return result;
}

EditResult DeletePeriod(TRecording& rec, const EditTarget& target) {
    EditResult result;
    const std::int64_t t = StampSteps(target.cursor);
    for (const EditRow& row : target.rows) {
        if (!row.highAtCursor) continue;
        const int m = row.message;
        const std::size_t b = LastRecordBefore(rec, m, t);
        const std::size_t e = b == 0 ? 0 : FirstRecordOf(rec, m, b + 1);
        if (e == 0) continue;
        if (b == FirstRecordOf(rec, m)) {
            SetLevel(rec.Event(b), false);
            if (EventSteps(rec.Event(e)) != EventSteps(rec.Event(rec.Count()))) rec.Erase(e);
        } else if (e == LastRecordOf(rec, m)) {
            rec.Erase(b);
        } else {
            rec.Erase(e);
            rec.Erase(b);
        }
        result.changed = true;
    }
    return result;
}

namespace {

// Moves a period's edge to the cursor; `edgeHigh` is the level the moved edge gets (begin High,
// end Low). When the level at the cursor equals it, the last record before the cursor becomes the
// edge, otherwise the record after that one. At the file's first or last record of the message
// the record stays and a new edge is appended.
EditResult MoveEdge(TRecording& rec, const EditTarget& target, bool edgeHigh) {
    EditResult result;
    if (!FitsWith(rec, target.rows.size(), result)) return result;
    const std::int64_t t = StampSteps(target.cursor);
    for (const EditRow& row : target.rows) {
        const int m = row.message;
        const std::size_t p = LastRecordBefore(rec, m, t);
        if (p == 0) continue;
        const bool takesPrevious = row.highAtCursor == edgeHigh;
        if (takesPrevious) {
            if (p == FirstRecordOf(rec, m)) {
                SetLevel(rec.Event(p), !edgeHigh);
                rec.Append(RecordAt(m, edgeHigh, target.cursor));
            } else {
                rec.Event(p) = RecordAt(m, edgeHigh, target.cursor);
            }
        } else {
            const std::size_t next = FirstRecordOf(rec, m, p + 1);
            if (next == 0) continue;
            if (next == LastRecordOf(rec, m)) rec.Append(RecordAt(m, edgeHigh, target.cursor));
            else rec.Event(next) = RecordAt(m, edgeHigh, target.cursor);
        }
        result.changed = true;
    }
    if (result.changed) rec.SortEvents();
    return result;
}

}  // namespace

EditResult SetPeriodBegin(TRecording& rec, const EditTarget& target) { return MoveEdge(rec, target, true); }
EditResult SetPeriodEnd(TRecording& rec, const EditTarget& target) { return MoveEdge(rec, target, false); }

std::optional<std::int64_t> ParseShiftValue(std::string_view input) {
    if (!input.empty() && input.front() == '+') input.remove_prefix(1);
    if (input.empty() || input.front() == '+') return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(input.data(), input.data() + input.size(), value);
    if (ec != std::errc{} || end != input.data() + input.size()) return std::nullopt;
    if (value < -1000000000 || value > 1000000000) return std::nullopt;
    return value;
}

std::string ShiftNotANumberText(std::string_view input) {
    return "   Ihr eingegebener Wert " + std::string(input) +
           " ist kein Zahlenwert?\rBitte geben Sie nur positive oder negative Zahlenwerte ein!";
}

std::string ShiftBelowCursorText() {
    return std::string(41, ' ') + "Achtung !!!\r\nDie Verschiebung einer oder mehrerer Ereignisse ist nicht möglich,\r" +
           std::string(8, ' ') + "da diese dann die aktuelle Cursorposition unterschreiten.";
}

std::string ShiftBeyondEndQuestion() {
    return std::string(50, ' ') +
           "Achtung !!!\r\nEin oder mehrere Ereignisse überschreiten nach dem Verschieben das Ende der Datei.\r" +
           std::string(12, ' ') + "Sollen die Ereignisse trotzdem verschoben und angepasst werden?";
}

EditResult ShiftEvents(TRecording& rec, const EditTarget& target, int division, std::int64_t value,
                       const std::function<bool()>& confirmBeyondEnd) {
    EditResult result;
    if (value == 0 || division < 2 || division > 9) return result;
    const std::int64_t shift = value * DivisionSteps(division);
    const std::int64_t t = StampSteps(target.cursor);
    const std::size_t n = BlockSize(rec);
    // The initial block (records 3..n + 2) stays where it is.
    const std::size_t firstMovable = n + 3;
    if (rec.Count() < 2 * n + 2) return result;
    if (shift < 0) {
        for (const EditRow& row : target.rows) {
            const std::size_t r = NextRecordAtOrAfter(rec, row.message, t);
            if (r >= firstMovable && EventSteps(rec.Event(r)) + shift < t) {
                result.refusal = ShiftBelowCursorText();
                return result;
            }
        }
        for (const EditRow& row : target.rows) {
            const std::size_t r = NextRecordAtOrAfter(rec, row.message, t);
            if (r == 0) continue;
            for (std::size_t k = std::max(r, firstMovable); k + n <= rec.Count(); ++k) {
                TRecordingEvent& e = rec.Event(k);
                if (MessageNumber(e) != row.message) continue;
                SetSteps(e, EventSteps(e) + shift);
                result.changed = true;
            }
        }
    } else {
        const std::int64_t fileEnd = EventSteps(rec.Event(rec.Count()));
        bool beyond = false;
        for (const EditRow& row : target.rows) {
            for (std::size_t k = rec.Count() - n; k >= firstMovable; --k) {
                if (MessageNumber(rec.Event(k)) != row.message) continue;
                beyond = beyond || EventSteps(rec.Event(k)) + shift > fileEnd;
                break;
            }
        }
        if (beyond && !(confirmBeyondEnd && confirmBeyondEnd())) return result;
        for (const EditRow& row : target.rows) {
            const std::size_t r = NextRecordAtOrAfter(rec, row.message, t);
            if (r == 0) continue;
            for (std::size_t k = rec.Count() - n; k >= std::max(r, firstMovable); --k) {
                TRecordingEvent& e = rec.Event(k);
                if (MessageNumber(e) != row.message) continue;
                const std::int64_t moved = EventSteps(e) + shift;
                if (moved >= fileEnd) rec.Erase(k);
                else SetSteps(e, moved);
                result.changed = true;
            }
        }
    }
    if (result.changed) rec.SortEvents();
    return result;
}

EditResult AddMessage(TRecording& rec, int m) {
    EditResult result;
    if (rec.Count() < 3 || m <= 0 || m > int(kMessageNumberMask) || FirstRecordOf(rec, m) != 0) return result;
    if (!FitsWith(rec, 2, result)) return result;
    const std::size_t last = BlockSize(rec) + 2;
    std::size_t at = 3;
    while (at <= last && MessageNumber(rec.Event(at)) < m) ++at;
    const std::size_t following = last + 1 - at;  // block records after the new one
    TRecordingEvent initial = rec.Event(3);
    initial.Meldung = std::uint16_t(m);
    rec.Insert(at, initial);
    TRecordingEvent final = rec.Event(rec.Count());
    final.Meldung = std::uint16_t(m);
    rec.Insert(rec.Count() + 1 - following, final);
    result.changed = true;
    return result;
}

EditResult RemoveMessage(TRecording& rec, int m) {
    EditResult result;
    std::size_t kept = 0;
    for (std::size_t k = 1; k <= rec.Count(); ++k) {
        if (MessageNumber(rec.Event(k)) == m && m != 0) continue;
        rec.Event(++kept) = rec.Event(k);
    }
    result.changed = kept != rec.Count();
    rec.Truncate(kept);
    return result;
}

std::string PeriodDurationText(const TRecording& rec, int m, const TTimeStamp& cursor) {
    if (rec.Count() < 3) return {};
    std::size_t e = NextRecordAtOrAfter(rec, m, StampSteps(cursor));
    const bool endFound = e != 0;
    if (!endFound) {
        e = rec.Count();
        while (e > 1 && EventSteps(rec.Event(e)) <= 0) --e;
    }
    std::size_t b = 0;
    for (std::size_t k = e - 1; k >= 3; --k) {
        if (MessageNumber(rec.Event(k)) == m) {
            b = k;
            break;
        }
    }
    if (b == 0) b = 3;
    const std::int64_t d = std::max<std::int64_t>(0, EventSteps(rec.Event(e)) - EventSteps(rec.Event(b)));
    const std::int64_t s = d / kStepsPerSecond;
    const std::int64_t v = d % kStepsPerSecond;
    const std::int64_t values[5] = {s / 3600, s % 3600 / 60, s % 60, v / 100, v % 100 * 10};
    const char* units[5] = {"Stunden", "Minuten", "Sekunden", "Millisekunden", "Mikrosekunden"};
    const std::size_t n = BlockSize(rec);
    // B after the initial block (records 3..n + 2): the period did not begin at the file begin.
    const bool afterBegin = b > n + 2;
    const bool compact = endFound && afterBegin;
    std::string text = compact ? "  Ereignisdauer:\r" : std::string(22, ' ') + "Ereignisdauer:\r";
    for (int i = 0; i < 5; ++i)
        text += "\r" + std::string(compact ? 1 : 21, ' ') + ThreeDigits(values[i]) + "   " + units[i];
    if (compact) return text;
    text += "\r\r\r" + std::string(29, ' ') + "Achtung!!!\r\r";
    text += afterBegin ? "Da das Dateiende festgestellt worden ist, kann die"
                  : "Da der Dateianfang festgestellt worden ist, kann die ";
    text += "\rEreignisdauer nur für diesen Teil berechnet werden.\rEs besteht aber die Möglichkeit,"
            "\rdaß das Ereignis über diesen Bereich hinaus aktiv ist.";
    return text;
}

}  // namespace ovis
