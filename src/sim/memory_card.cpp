#include "sim/memory_card.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "link/interface_commands.h"

namespace ovis::sim {
namespace {

constexpr std::int64_t kStepsPerSecond = 100000;  // 10-microsecond steps
constexpr std::int64_t kStepsPerMs = 100;
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2099;

bool IsLeap(int year) { return year % 4 == 0; }  // within 1901-2099

int DaysIn(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0);
}

// Days since 1 January 1901.
std::int64_t DayNumber(int year, int month, int day) {
    std::int64_t days = 0;
    for (int y = kFirstYear; y < year; ++y) days += IsLeap(y) ? 366 : 365;
    for (int m = 1; m < month; ++m) days += DaysIn(m, year);
    return days + day - 1;
}

std::int64_t Steps(const CardTime& t) {
    return ((DayNumber(t.year, t.month, t.day) * 24 + t.hour) * 60 + t.minute) * 60 * kStepsPerSecond +
           std::int64_t(t.second) * kStepsPerSecond + t.tenMicroseconds;
}

bool SameDay(const CardTime& a, const CardTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool Number(std::string_view text, int& value, std::size_t digits = 0) {
    if (text.empty() || (digits && text.size() != digits)) return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

// "dd.mm.yyyy hh:mm:ss,fffff"
bool ParseTime(std::string_view text, CardTime& t) {
    if (text.size() != 25 || text[2] != '.' || text[5] != '.' || text[10] != ' ' || text[13] != ':' ||
        text[16] != ':' || text[19] != ',')
        return false;
    if (!Number(text.substr(0, 2), t.day, 2) || !Number(text.substr(3, 2), t.month, 2) ||
        !Number(text.substr(6, 4), t.year, 4) || !Number(text.substr(11, 2), t.hour, 2) ||
        !Number(text.substr(14, 2), t.minute, 2) || !Number(text.substr(17, 2), t.second, 2) ||
        !Number(text.substr(20, 5), t.tenMicroseconds, 5))
        return false;
    return t.year >= kFirstYear && t.year <= kLastYear && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= DaysIn(t.month, t.year) && t.hour < 24 && t.minute < 60 && t.second < 60;
}

std::vector<std::uint8_t> DateItem(const CardTime& t) {
    return {0x80, std::uint8_t(t.second), std::uint8_t(t.minute), std::uint8_t(t.hour), std::uint8_t(t.day),
            std::uint8_t(t.month), std::uint8_t(t.year & 0xFF), std::uint8_t(t.year >> 8)};
}

void AppendEventItem(std::vector<std::uint8_t>& out, const CardEvent& e, int timeClass, int m) {
    out.push_back(std::uint8_t(timeClass << 4 | (e.high ? 4 : 0) | (e.message >> 8 & 3)));
    out.push_back(std::uint8_t(e.message & 0xFF));
    out.push_back(std::uint8_t(m >> 8));
    out.push_back(std::uint8_t(m & 0xFF));
}

// The time class and value that give exactly `gap` steps; false when none does.
bool ExactClass(std::int64_t gap, int& timeClass, int& m) {
    if (gap * 10 <= 0xFFFF) {
        timeClass = 0;
        m = int(gap * 10);
        return true;
    }
    if (gap % kStepsPerMs != 0) return false;
    const std::int64_t ms = gap / kStepsPerMs;
    if (ms < 60000) {
        timeClass = 1;
        m = int(ms);
        return true;
    }
    const std::int64_t minutes = ms / 60000, rest = ms % 60000;
    struct Coarse {
        int timeClass, shift, step;
        std::int64_t maxMinutes;
    };
    for (const Coarse c : {Coarse{2, 12, 16, 15}, Coarse{3, 8, 256, 255}, Coarse{4, 4, 4096, 4095}}) {
        if (rest % c.step == 0 && minutes <= c.maxMinutes) {
            timeClass = c.timeClass;
            m = int(minutes << c.shift | rest / c.step);
            return true;
        }
    }
    if (rest == 0 && minutes <= 0xFFFF) {
        timeClass = 5;
        m = int(minutes);
        return true;
    }
    return false;
}

}  // namespace

std::vector<CardEvent> ParseEventsText(std::string_view text) {
    std::vector<CardEvent> events;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (const auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
        line = Trim(line);
        if (line.empty()) continue;
        std::vector<std::string_view> fields;
        for (std::size_t from = 0;;) {
            const auto tab = line.find('\t', from);
            fields.push_back(Trim(line.substr(from, tab == std::string_view::npos ? tab : tab - from)));
            if (tab == std::string_view::npos) break;
            from = tab + 1;
        }
        CardEvent e;
        const bool ok = fields.size() == 4 && Number(fields[0], e.folder) && e.folder < kCardFolders &&
                        ParseTime(fields[1], e.time) && Number(fields[2], e.message) && e.message >= 1 &&
                        e.message <= 1023 && (fields[3] == "High" || fields[3] == "Low");
        if (!ok)
            throw std::invalid_argument("Ereignisdatei, Zeile " + std::to_string(lineNumber) +
                                        ": erwartet ORDNER<TAB>tt.mm.jjjj hh:mm:ss,fffff<TAB>MELDUNG<TAB>High|Low");
        e.high = fields[3] == "High";
        events.push_back(e);
    }
    return events;
}

std::vector<CardEvent> LoadEventsFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::error_code ec;
    if (!file || !std::filesystem::is_regular_file(path, ec))
        throw std::invalid_argument("Die Ereignisdatei \"" + path + "\" kann nicht gelesen werden");
    std::ostringstream text;
    text << file.rdbuf();
    return ParseEventsText(text.str());
}

MemoryCard::MemoryCard(std::vector<CardEvent> events) : folders_(kCardFolders) {
    std::stable_sort(events.begin(), events.end(),
                     [](const CardEvent& a, const CardEvent& b) { return Steps(a.time) < Steps(b.time); });
    struct Cursor {
        std::int64_t previous = 0;  // the time the PC gives the record before the next one
        CardTime day;
    };
    std::vector<Cursor> cursors(kCardFolders);
    for (CardEvent e : events) {
        auto& units = folders_[std::size_t(e.folder)];
        Cursor& cursor = cursors[std::size_t(e.folder)];
        std::vector<std::uint8_t> items;
        int timeClass = 0, m = 0;
        bool dated = units.empty() || !SameDay(cursor.day, e.time) ||
                     !ExactClass(Steps(e.time) - cursor.previous, timeClass, m);
        auto dateItems = [&] {
            items = DateItem(e.time);
            std::int64_t fraction = e.time.tenMicroseconds;
            if (fraction * 10 > 0xFFFF) fraction -= fraction % kStepsPerMs;
            e.time.tenMicroseconds = int(fraction);
            ExactClass(fraction, timeClass, m);
            AppendEventItem(items, e, timeClass, m);
        };
        if (dated) {
            dateItems();
        } else {
            AppendEventItem(items, e, timeClass, m);
        }
        bool newUnit = units.empty() || !SameDay(cursor.day, e.time);
        if (!newUnit && units.back().replies.back().size() + items.size() > kReplyPayload &&
            units.back().replies.size() == kRepliesPerUnit) {
            newUnit = true;
            if (!dated) dateItems();
        }
        if (newUnit) {
            units.push_back({e.time.minute, e.time.hour, e.time.day, e.time.month, e.time.year, {{}}});
        } else if (units.back().replies.back().size() + items.size() > kReplyPayload) {
            units.back().replies.emplace_back();
        }
        auto& reply = units.back().replies.back();
        reply.insert(reply.end(), items.begin(), items.end());
        cursor.previous = Steps(e.time);
        cursor.day = e.time;
    }
}

const std::vector<CardUnit>& MemoryCard::Units(int folder) const {
    static const std::vector<CardUnit> kNone;
    return folder >= 0 && folder < kCardFolders ? folders_[std::size_t(folder)] : kNone;
}

std::vector<std::uint8_t> MemoryCard::Directory(int folder) const {
    const auto& units = Units(folder);
    std::vector<std::uint8_t> d;
    for (auto unit = units.rbegin(); unit != units.rend(); ++unit) {
        d.insert(d.end(), {std::uint8_t(unit->minute), std::uint8_t(unit->hour), std::uint8_t(unit->day),
                           std::uint8_t(unit->month)});
        if (unit == units.rbegin()) d.insert(d.end(), {std::uint8_t(unit->year & 0xFF), std::uint8_t(unit->year >> 8)});
    }
    return d;
}

std::vector<std::vector<std::uint8_t>> MemoryCard::DirectoryReplies(int folder) const {
    const auto d = Directory(folder);
    std::vector<std::vector<std::uint8_t>> replies;
    for (std::size_t at = 0; at < d.size(); at += kReplyPayload)
        replies.emplace_back(d.begin() + std::ptrdiff_t(at), d.begin() + std::ptrdiff_t(std::min(d.size(), at + kReplyPayload)));
    if (replies.empty() || replies.back().size() + 2 >= 128) replies.emplace_back();
    return replies;
}

std::vector<std::vector<std::uint8_t>> MemoryCard::ReadoutReplies(int folder, int first, int last) const {
    const auto& units = Units(folder);
    const int count = int(units.size());
    std::vector<std::vector<std::uint8_t>> replies;
    for (int unit = std::min(last, count); unit >= std::max(first, 1); --unit) {
        const auto& data = units[std::size_t(count - unit)].replies;
        replies.insert(replies.end(), data.begin(), data.end());
    }
    replies.emplace_back();
    return replies;
}

void InstallMemoryCard(InterfaceSimulator& simulator, std::shared_ptr<const MemoryCard> card) {
    simulator.SetHandler(command::kUnitDirectory, [card](const SimTelegram& t, InterfaceSimulator& s) {
        const int folder = t.payload.empty() ? -1 : t.payload[0];
        for (auto& reply : card->DirectoryReplies(folder))
            s.Queue({std::uint8_t(s.Options().address), command::kUnitDirectory, std::move(reply)});
    });
    simulator.SetHandler(command::kUnitReadOut, [card](const SimTelegram& t, InterfaceSimulator& s) {
        if (t.payload.size() < 3) return;
        for (auto& reply : card->ReadoutReplies(t.payload[0], t.payload[1], t.payload[2]))
            s.Queue({std::uint8_t(s.Options().address), command::kUnitReadOut, std::move(reply)});
    });
}

void InstallNoCard(InterfaceSimulator& simulator) {
    simulator.SetHandler(command::kUnitDirectory, [](const SimTelegram&, InterfaceSimulator& s) {
        s.Queue({std::uint8_t(s.Options().address), command::kNoCard, {}});
    });
    simulator.SetHandler(command::kUnitReadOut, [](const SimTelegram&, InterfaceSimulator& s) {
        s.Queue({std::uint8_t(s.Options().address), command::kUnitReadOut, {}});
    });
}

}  // namespace ovis::sim
