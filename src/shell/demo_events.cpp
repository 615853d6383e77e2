#include "shell/demo_events.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <tuple>

namespace ovis {
namespace {

constexpr int kDays = 3;
constexpr int kIoMessages = 32;    // the demo's terminal plan
constexpr int kDoorMessages = 8;   // the first module's upper row: the doors
constexpr int kPulsesPerDay = 60;

// A small generator of its own, so that the file is the same on every platform.
class Sequence {
public:
    explicit Sequence(std::uint32_t seed) : state_(seed) {}
    int Next(int below) {
        state_ = state_ * 1103515245u + 12345u;
        return int((state_ >> 8) % std::uint32_t(below));
    }

private:
    std::uint32_t state_;
};

struct Line {
    int folder;
    std::int64_t ms;  // of the day
    int message;
    bool high;
};

}  // namespace

std::string DemoEventsText(const LocalDateTime& today) {
    using namespace std::chrono;
    const sys_days last{year{today.year} / month{unsigned(today.month)} / day{unsigned(today.day)}};
    std::string text =
        "# Ereignisse der Memorycard des Demo-Interfaces (ovis-sim --events)\n"
        "# ORDNER<TAB>tt.mm.jjjj hh:mm:ss,fffff<TAB>MELDUNG<TAB>High|Low\n";
    for (int d = kDays - 1; d >= 0; --d) {
        const year_month_day date{last - days{d}};
        Sequence random(std::uint32_t(unsigned(date.day()) * 7919u + unsigned(date.month()) * 104729u));
        std::multimap<std::tuple<int, std::int64_t>, std::pair<int, bool>> lines;
        for (int pulse = 0; pulse < kPulsesPerDay; ++pulse) {
            const std::int64_t start = (6 * 3600 + random.Next(12 * 3600)) * 1000LL + random.Next(100) * 10;
            const std::int64_t end = start + 500 + random.Next(90000);
            const bool door = pulse % 3 == 0;
            const int message = door ? 1 + random.Next(kDoorMessages) : 1 + random.Next(kIoMessages);
            for (int folder = 0; folder <= (door ? 1 : 0); ++folder) {
                lines.emplace(std::tuple(folder, start), std::pair(message, true));
                lines.emplace(std::tuple(folder, end), std::pair(message, false));
            }
        }
        for (const auto& [key, event] : lines) {
            const auto [folder, ms] = key;
            char line[96];
            std::snprintf(line, sizeof line, "%d\t%02u.%02u.%04d %02d:%02d:%02d,%03d00\t%d\t%s\n", folder,
                          unsigned(date.day()), unsigned(date.month()), int(date.year()), int(ms / 3600000),
                          int(ms / 60000 % 60), int(ms / 1000 % 60), int(ms % 1000), event.first,
                          event.second ? "High" : "Low");
            text += line;
        }
    }
    return text;
}

}  // namespace ovis
