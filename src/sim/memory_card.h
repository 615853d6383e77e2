#pragma once
// The simulated memory card: the events of an events file stored per folder in data units, and
// the replies to the unit directory (command 8) and the read-out (command 9).
//
// Events file: one event per line, "FOLDER<TAB>dd.mm.yyyy hh:mm:ss,fffff<TAB>MESSAGE<TAB>High|Low"
// (folder 0-13, fffff milliseconds and 10-microsecond steps, message 1-1023); "#" starts a
// comment, blank lines are skipped.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/interface_simulator.h"

namespace ovis::sim {

inline constexpr int kCardFolders = 14;
inline constexpr std::size_t kReplyPayload = 128;
inline constexpr std::size_t kRepliesPerUnit = 252;

struct CardTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    int tenMicroseconds = 0;  // within the second, 0-99999
};

struct CardEvent {
    int folder = 0;
    CardTime time;
    int message = 1;
    bool high = false;
};

// Parses an events file; std::invalid_argument with a German text naming the line for a line
// that does not fit.
std::vector<CardEvent> ParseEventsText(std::string_view text);
// Reads and parses an events file; std::invalid_argument also when it cannot be read.
std::vector<CardEvent> LoadEventsFile(const std::string& path);

struct CardUnit {
    int minute = 0, hour = 0, day = 0, month = 0, year = 0;  // begin of its data
    std::vector<std::vector<std::uint8_t>> replies;          // payloads, whole items each
};

class MemoryCard {
public:
    // Stores the events, each folder's in time order: a new unit at every calendar day and when
    // a unit has 252 replies; a date item at every unit start and wherever the gap does not fit
    // one event item, the smallest exact time class otherwise. An event that follows a date item
    // keeps whole milliseconds when its fraction of a second exceeds 65 ms.
    explicit MemoryCard(std::vector<CardEvent> events);

    // Units of a folder, oldest first.
    const std::vector<CardUnit>& Units(int folder) const;
    // The directory bytes of a folder: newest unit first.
    std::vector<std::uint8_t> Directory(int folder) const;
    // The directory as replies of at most 128 bytes; one more empty reply when the last one
    // would not end the directory (128 bytes or more with address and command).
    std::vector<std::vector<std::uint8_t>> DirectoryReplies(int folder) const;
    // The replies of units `first` to `last` (1-based, newest first), oldest unit first, and the
    // closing empty reply.
    std::vector<std::vector<std::uint8_t>> ReadoutReplies(int folder, int first, int last) const;

private:
    std::vector<std::vector<CardUnit>> folders_;
};

// Command 8 answers with the directory, command 9 with the units' data.
void InstallMemoryCard(InterfaceSimulator& simulator, std::shared_ptr<const MemoryCard> card);
// Command 8 answers with reply 11 (no memory card); command 9 with the closing reply alone.
void InstallNoCard(InterfaceSimulator& simulator);

}  // namespace ovis::sim
