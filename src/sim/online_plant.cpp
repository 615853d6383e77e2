#include "sim/online_plant.h"

#include <algorithm>
#include <chrono>

#include "link/counter_values.h"
#include "link/interface_commands.h"
#include "link/online_decoder.h"

namespace ovis::sim {

namespace {

constexpr std::uint16_t kTableDirectory = 0x8200;
constexpr std::uint8_t kInputRowsCode = 6, kOutputRowsCode = 10, kLedCode = 11, kCounterCode = 13;
constexpr std::uint8_t kConfigurationArea = 3, kCounterValueArea = 1;
constexpr std::uint8_t kSwitchOn = 2, kSwitchOff = 3;
constexpr Micros kReplayLead = std::chrono::seconds(1);
constexpr Micros kCountInterval = std::chrono::seconds(1);
constexpr std::uint32_t kStandLimit = 0xFFFFFF;

Micros EventTime(const CardTime& t) {
    using namespace std::chrono;
    const sys_days day = year_month_day(year(t.year), month(unsigned(t.month)), std::chrono::day(unsigned(t.day)));
    return duration_cast<Micros>(day.time_since_epoch()) + hours(t.hour) + minutes(t.minute) + seconds(t.second) +
           Micros(std::int64_t(t.tenMicroseconds) * 10);
}

}  // namespace

ConfiguredCounts ReadConfiguredCounts(const SimMemory& memory) {
    const auto directory = memory.Read(kConfigurationArea, kTableDirectory, 1 + 3 * 8);
    ConfiguredCounts counts;
    if (directory.empty()) return counts;
    const std::size_t end = std::min<std::size_t>(directory[0], directory.size());
    for (std::size_t i = 1; i + 2 < end; i += 3) {
        const int count = directory[i + 1] << 8 | directory[i + 2];
        switch (directory[i]) {
            case kInputRowsCode:
            case kOutputRowsCode:
            case kLedCode: counts.online += count; break;
            case kCounterCode: counts.counters = count; break;
            default: break;
        }
    }
    return counts;
}

OnlinePlant::OnlinePlant(OnlineOptions options) : options_(std::move(options)), random_(options_.seed) {
    std::stable_sort(options_.events.begin(), options_.events.end(),
                     [](const CardEvent& a, const CardEvent& b) { return EventTime(a.time) < EventTime(b.time); });
}

bool OnlinePlant::Level(int message) const {
    return message >= 1 && std::size_t(message) <= levels_.size() && levels_[std::size_t(message - 1)];
}

void OnlinePlant::Install(InterfaceSimulator& simulator) {
    simulator.SetHandler(command::kOnlineStart, [this](const SimTelegram& t, InterfaceSimulator& s) {
        if (t.payload.size() < 4) return;
        StartOnline(s, t.payload[2] << 8 | t.payload[3]);
    });
    simulator.SetHandler(command::kLevels, [this](const SimTelegram& t, InterfaceSimulator& s) {
        if (t.payload.size() < 3) return;
        if (t.payload[0] == kSwitchOn || t.payload[0] == kSwitchOff) {
            if (Change(t.payload[1] << 8 | t.payload[2], t.payload[0] == kSwitchOn)) Flush(s);
            return;
        }
        if (t.payload.size() >= 4) messageCount_ = std::min(t.payload[2] << 8 | t.payload[3], kMaxMessages);
        QueueLevels(s, reply::kAllLevelsAsked);
    });
}

void OnlinePlant::StartOnline(InterfaceSimulator& simulator, int messageCount) {
    messageCount_ = std::min(messageCount, kMaxMessages);
    if (levels_.size() < std::size_t(messageCount_)) levels_.resize(std::size_t(messageCount_), false);
    online_ = true;
    started_ = false;
    nextEvent_ = 0;
    pending6_.clear();
    pending12_.clear();
    QueueLevels(simulator, reply::kAllLevels);
}

void OnlinePlant::QueueLevels(InterfaceSimulator& simulator, std::uint8_t reply) const {
    std::vector<std::uint8_t> payload(std::size_t(messageCount_ + 7) / 8, 0);
    for (int m = 1; m <= messageCount_; ++m)
        if (Level(m)) payload[std::size_t(m - 1) / 8] |= std::uint8_t(0x80 >> ((m - 1) % 8));
    simulator.Queue({std::uint8_t(simulator.Options().address), reply, std::move(payload)});
}

bool OnlinePlant::Change(int message, bool high) {
    if (message < 1 || message > kMaxMessages) return false;
    if (levels_.size() < std::size_t(message)) levels_.resize(std::size_t(message), false);
    levels_[std::size_t(message - 1)] = high;
    ++changes_;
    recent_.push_back({0, 0, 0, 0, 0, 0, message, high});
    if (recent_.size() > std::size_t(kVisuEventEntries)) recent_.pop_front();
    const auto a = std::uint8_t((message >> 8 & 3) | (high ? 4 : 0));
    const auto b = std::uint8_t(message & 0xFF);
    if (options_.reply12Every > 0 && changes_ % options_.reply12Every == 0)
        pending12_.insert(pending12_.end(), {a, b, 0});
    else
        pending6_.insert(pending6_.end(), {a, b, 0, 0});
    return true;
}

void OnlinePlant::WriteVisuMemory(InterfaceSimulator& simulator) {
    // The clock as the PC set it: seconds, minutes, hours, day, month, year low and high byte.
    const auto clock = simulator.Memory().Read(int(MemoryArea::Configuration), kClockAddress, 7);
    std::vector<std::uint8_t> list;
    for (VisuEventEntry& e : recent_) {
        if (e.year == 0 && clock.size() == 7)
            e = {clock[3], clock[4], clock[5] | clock[6] << 8, clock[2], clock[1], clock[0], e.message, e.high};
        const auto bytes = EncodeVisuEventEntry(e);
        list.insert(list.end(), bytes.begin(), bytes.end());
    }
    list.resize(std::size_t(kVisuEventEntries * kVisuEventEntrySize), 0);
    simulator.Memory().Write(int(MemoryArea::Firmware), kVisuEventListAddress, list);
    std::vector<std::uint8_t> relays(kVisuRelayStateBytes, 0);
    for (std::size_t m = 0; m < levels_.size() && m / 8 < relays.size(); ++m)
        if (levels_[m]) relays[m / 8] |= std::uint8_t(0x80 >> (m % 8));
    simulator.Memory().Write(int(MemoryArea::Firmware), kVisuRelayStatesAddress, relays);
}

void OnlinePlant::Flush(InterfaceSimulator& simulator) {
    WriteVisuMemory(simulator);
    // One telegram at a time, as full as the telegram allows: the PC takes one per poll.
    if (simulator.WaitingTelegrams() > 0) return;
    const auto address = std::uint8_t(simulator.Options().address);
    auto send = [&](std::vector<std::uint8_t>& items, std::size_t itemSize, std::uint8_t reply) {
        if (items.empty()) return false;
        const std::size_t end = std::min(items.size(), kItemsPerTelegram * itemSize);
        simulator.Queue({address, reply, std::vector<std::uint8_t>(items.begin(), items.begin() + long(end))});
        items.erase(items.begin(), items.begin() + long(end));
        return true;
    };
    if (!send(pending6_, 4, reply::kLevelChanges)) send(pending12_, 3, reply::kLevelReports);
}

void OnlinePlant::Advance(InterfaceSimulator& simulator, Micros now) {
    const std::vector<int> counters = SyncCounters(simulator);
    if (now - lastCount_ >= kCountInterval) {
        lastCount_ = now;
        CountOnce(simulator, counters);
    }
    if (!online_) return;
    if (!started_) {
        started_ = true;
        start_ = now;
        plantFrom_ = now;
        plantDue_ = 0;
    }
    if (!options_.events.empty()) {
        const Micros first = EventTime(options_.events.front().time);
        while (nextEvent_ < options_.events.size() &&
               start_ + kReplayLead + (EventTime(options_.events[nextEvent_].time) - first) <= now) {
            const CardEvent& e = options_.events[nextEvent_++];
            Change(e.message, e.high);
        }
    }
    if (options_.plantRate > 0 && messageCount_ > 0) {
        plantDue_ += options_.plantRate * std::chrono::duration<double>(now - plantFrom_).count();
        plantFrom_ = now;
        const int range = options_.plantMessages > 0 ? std::min(options_.plantMessages, messageCount_) : messageCount_;
        std::uniform_int_distribution<int> pick(1, range);
        for (; plantDue_ >= 1; plantDue_ -= 1) {
            const int m = pick(random_);
            Change(m, !Level(m));
        }
    }
    Flush(simulator);
}

std::vector<int> OnlinePlant::SyncCounters(InterfaceSimulator& simulator) {
    const ConfiguredCounts counts = ReadConfiguredCounts(simulator.Memory());
    SimMemory& memory = simulator.Memory();
    std::vector<int> numbers;
    for (int k = 1; k <= counts.counters; ++k) {
        const int message = counts.online + k;
        const auto address = std::uint16_t(kCounterRecordsAddress + kCounterRecordSize * (message - 1));
        const auto configured = memory.Read(kConfigurationArea, address, kCounterRecordSize);
        if (configured.size() != std::size_t(kCounterRecordSize)) continue;
        // A record (re)written by a configuration starts counting from its configured value.
        if (std::size_t(k) > counterRecords_.size() || counterRecords_[std::size_t(k - 1)] != configured) {
            counterRecords_.resize(std::max(counterRecords_.size(), std::size_t(k)));
            counterRecords_[std::size_t(k - 1)] = configured;
            memory.Write(kCounterValueArea, address, configured);
        }
        numbers.push_back(message);
    }
    return numbers;
}

void OnlinePlant::CountOnce(InterfaceSimulator& simulator, const std::vector<int>& counters) {
    SimMemory& memory = simulator.Memory();
    for (int message : counters) {
        const auto stand = memory.Read(kCounterValueArea, CounterValueAddress(message), kCounterStandBytes);
        if (stand.size() != kCounterStandBytes) continue;
        std::uint32_t value = std::uint32_t(stand[0]) << 16 | std::uint32_t(stand[1]) << 8 | stand[2];
        value = value >= kStandLimit ? 0 : value + 1;
        const std::uint8_t bytes[] = {std::uint8_t(value >> 16), std::uint8_t(value >> 8), std::uint8_t(value)};
        memory.Write(kCounterValueArea, CounterValueAddress(message), bytes);
    }
}

}  // namespace ovis::sim
