#pragma once
// The message numbers of the Interface: every message of the project numbered 1, 2, ... in the
// fixed table order I/O rows, LED rows, counters, timers, output-data files, groups, program lines.
// The configuration image, the names of recorded messages and the evaluation share this one
// numbering.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "project/led_record.h"
#include "project/program_line.h"
#include "project/counter_record.h"
#include "project/group_record.h"
#include "project/io_records.h"
#include "project/timer_record.h"

namespace ovis {

// The tables in numbering order.
enum class MessageKind { Io, Led, Counter, Timer, OutputFile, Group, ProgramLine };
inline constexpr std::size_t kMessageKinds = 7;

// The table's name as the command line prints it ("IO", "LED", "Counter", "Timer", "Ausgabe",
// "Gruppe", "Programm").
std::string_view MessageKindName(MessageKind kind);

// The rows of every numbered table, each in its row order.
struct MessageSources {
    std::span<const TIoRecord> io;
    std::span<const TLedRecord> led;
    std::span<const TCounterRecord> counters;
    std::span<const TTimerRecord> timers;
    std::span<const std::string> outputFiles;  // names without ".ofa"
    std::span<const TGruppeRecord> groups;
    std::span<const TProgrammLine> programLines;
};

struct NumberedMessage {
    int number = 0;
    MessageKind kind = MessageKind::Io;
    std::string name;
};

class MessageNumbering {
public:
    explicit MessageNumbering(const MessageSources& sources);

    // The number of the first message, in numbering order, whose name equals `name` exactly
    // (case-sensitive); 0 when no message has that name.
    int Number(std::string_view name) const;

    // Every message in numbering order; message k is at index k - 1.
    const std::vector<NumberedMessage>& Messages() const { return messages_; }
    std::size_t Total() const { return messages_.size(); }
    std::size_t Count(MessageKind kind) const { return counts_[static_cast<std::size_t>(kind)]; }
    // The number of the table's first row (also when the table is empty: the number it would get).
    int FirstNumber(MessageKind kind) const { return firstNumbers_[static_cast<std::size_t>(kind)]; }

private:
    void Add(MessageKind kind, std::string name);

    std::vector<NumberedMessage> messages_;
    std::unordered_map<std::string, int> firstByName_;
    std::array<std::size_t, kMessageKinds> counts_{};
    std::array<int, kMessageKinds> firstNumbers_{};
};

}  // namespace ovis
