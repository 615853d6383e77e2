#include "link/readout_decoder.h"

#include "project/recording_time.h"

namespace ovis {
namespace {

constexpr int kMinutesPerDay = 1440;

void SplitMinutes(ReadoutGap& gap, int minutes) {
    gap.days = minutes / kMinutesPerDay;
    gap.hours = minutes % kMinutesPerDay / 60;
    gap.minutes = minutes % 60;
}

bool ValidDate(int second, int minute, int hour, int day, int month) {
    return second < 60 && minute < 60 && hour < 24 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

}  // namespace

ReadoutGap GapOfTimeClass(int timeClass, int m) {
    ReadoutGap gap;
    switch (timeClass) {
        case 0:
            gap.milliseconds = m / 1000;
            gap.tenMicroseconds = m % 1000 / 10;
            break;
        case 1: gap.milliseconds = m; break;
        case 2:
            gap.milliseconds = (m & 0x0FFF) * 16;
            SplitMinutes(gap, m >> 12);
            break;
        case 3:
            gap.milliseconds = (m & 0x00FF) * 256;
            SplitMinutes(gap, m >> 8);
            break;
        case 4:
            gap.milliseconds = (m & 0x000F) * 4096;
            SplitMinutes(gap, m >> 4);
            break;
        case 5: SplitMinutes(gap, m); break;
        default: break;
    }
    return gap;
}

int ReadoutDaysInMonth(int month, int jahr) { return DaysInMonth(month) + (month == 2 && jahr % 4 == 0 ? 1 : 0); }

TRecordingEvent EventRecord(const TRecordingEvent& p, std::uint8_t g, std::uint8_t b, const ReadoutGap& gap) {
    int tenUs = p.Misek + gap.tenMicroseconds;
    int ms = gap.milliseconds;
    if (tenUs > 99) {
        tenUs -= 100;
        ++ms;
    }
    int minutes = gap.minutes;
    int s = p.SekMSek.get() + ms;
    minutes += s / 60000;
    s %= 60000;
    const int m = p.Min + minutes;
    const int h = p.Std + gap.hours + m / 60;
    int day = p.Tag + gap.days + h / 24;
    int month = p.Monat;
    int jahr = p.Jahr;
    // The gap may reach beyond the following month: step month by month until the date exists.
    while (day > ReadoutDaysInMonth(month, jahr)) {
        day -= ReadoutDaysInMonth(month, jahr);
        if (++month > 12) {
            month = 1;
            jahr = (jahr + 1) % 256;
        }
    }
    TRecordingEvent n{};
    n.Meldung = std::uint16_t((g & 0x87) << 8 | b);
    n.Jahr = std::uint8_t(jahr);
    n.Monat = std::uint8_t(month);
    n.Tag = std::uint8_t(day);
    n.Std = std::uint8_t(h % 24);
    n.Min = std::uint8_t(m % 60);
    n.Misek = std::uint8_t(tenUs);
    n.SekMSek = std::uint16_t(s);
    return n;
}

std::string ReadoutFaultText(ReadoutFault fault) {
    const std::string end = "\r\rDie Übertragung wurde abgebrochen, es wurde keine Datei geschrieben.";
    switch (fault) {
        case ReadoutFault::None: return {};
        case ReadoutFault::CutItem: return "Die Daten des Interface enthalten einen unvollständigen Eintrag." + end;
        case ReadoutFault::DateWithoutEvent:
            return "Die Daten des Interface enthalten eine Zeitmarke ohne folgendes Ereignis." + end;
        case ReadoutFault::EventWithoutStart:
            return "Die Daten des Interface beginnen ohne Zeitmarke." + end;
        case ReadoutFault::BadDate: return "Die Daten des Interface enthalten ein ungültiges Datum." + end;
        case ReadoutFault::EmptyFirstReply: return "Das Interface hat keine Daten gesendet." + end;
        case ReadoutFault::TooManyRecords:
            return "Das Interface hat mehr Daten gesendet, als 10 Units fassen können." + end;
    }
    return {};
}

ReadoutDecoder::ReadoutDecoder() : records_(kRecordingCapacity) {}

void ReadoutDecoder::Reset() {
    count_ = 0;
    replies_ = 0;
    fault_ = ReadoutFault::None;
}

ReadoutFault ReadoutDecoder::AddReply(std::span<const std::uint8_t> payload) {
    if (fault_ != ReadoutFault::None) return fault_;
    if (replies_++ == 0 && payload.empty()) return fault_ = ReadoutFault::EmptyFirstReply;
    return fault_ = Decode(payload);
}

bool ReadoutDecoder::Append(const TRecordingEvent& record) {
    if (count_ == records_.size()) return false;
    records_[count_++] = record;
    return true;
}

ReadoutFault ReadoutDecoder::Decode(std::span<const std::uint8_t> d) {
    std::size_t i = 0;
    while (i < d.size()) {
        if (d[i] == kDateItemMark) {
            if (i + kDateItemSize > d.size()) return ReadoutFault::CutItem;
            const int second = d[i + 1], minute = d[i + 2], hour = d[i + 3], day = d[i + 4], month = d[i + 5];
            const int year = d[i + 6] + 256 * d[i + 7];
            const int jahr = ((year - 1900) % 256 + 256) % 256;
            if (!ValidDate(second, minute, hour, day, month) || day > ReadoutDaysInMonth(month, jahr))
                return ReadoutFault::BadDate;
            i += kDateItemSize;
            if (i >= d.size() || d[i] == kDateItemMark) return ReadoutFault::DateWithoutEvent;
            TRecordingEvent marker{};
            marker.Jahr = std::uint8_t(jahr);
            marker.Monat = std::uint8_t(month);
            marker.Tag = std::uint8_t(day);
            marker.Std = std::uint8_t(hour);
            marker.Min = std::uint8_t(minute);
            marker.SekMSek = std::uint16_t(second * 1000);
            if (!Append(TRecordingEvent{}) || !Append(marker)) return ReadoutFault::TooManyRecords;
        }
        if (i + kEventItemSize > d.size()) return ReadoutFault::CutItem;
        if (count_ == 0) return ReadoutFault::EventWithoutStart;
        const std::uint8_t g = d[i], b = d[i + 1];
        const int m = d[i + 2] * 256 + d[i + 3];
        const TRecordingEvent record = EventRecord(records_[count_ - 1], g, b, GapOfTimeClass((g >> 4) & 7, m));
        if (!Append(record)) return ReadoutFault::TooManyRecords;
        i += kEventItemSize;
    }
    return ReadoutFault::None;
}

}  // namespace ovis
