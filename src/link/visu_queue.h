#pragma once
// The queue of picture-element changes that the online event stream hands to the online
// visualisation: the decoder appends, the visualisation's tick draws every entry and empties it.
#include <array>
#include <cstdint>
#include <span>

namespace ovis {

struct VisuChange {
    std::uint8_t kind = 0;       // the OnlineRole of the message
    std::uint16_t element = 0;   // the picture element bound to the message
    std::uint8_t state = 0;      // 1 High, 0 Low, plus 1 for roles below 3
};

class VisuQueue {
public:
    static constexpr std::size_t kCapacity = 1000;

    // Appends a change; false (and nothing kept) when the queue is full.
    bool Append(const VisuChange& change) {
        if (count_ >= kCapacity) return false;
        entries_[count_++] = change;
        return true;
    }
    std::span<const VisuChange> Entries() const { return {entries_.data(), count_}; }
    std::uint16_t Count() const { return std::uint16_t(count_); }
    void Clear() { count_ = 0; }

private:
    std::array<VisuChange, kCapacity> entries_{};
    std::size_t count_ = 0;
};

}  // namespace ovis
