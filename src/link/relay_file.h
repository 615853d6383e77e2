#pragma once
// One relay file opened in place, shared with the other PC: every open is retried, records are
// read and written at their offsets.
#include <chrono>
#include <filesystem>
#include <span>

#include "link/delay.h"
#include "link/relay_record.h"

namespace ovis {

struct RelayRetry {
    int tries;
    std::chrono::milliseconds pause;
};

class RelayFile {
public:
    explicit RelayFile(Delay& delay) : delay_(delay) {}
    ~RelayFile() { Close(); }
    RelayFile(const RelayFile&) = delete;
    RelayFile& operator=(const RelayFile&) = delete;

    // Opens an existing file for reading and writing, pausing between the tries.
    bool Open(const std::filesystem::path& path, RelayRetry retry);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    // Reads record `index`; false when it is not (completely) there.
    bool Read(int index, TRelayRecord& record) const;
    // Writes `bytes` at `offset` within record `index`, retrying a failed write.
    bool Write(int index, std::size_t offset, std::span<const std::uint8_t> bytes, RelayRetry retry);
    bool WriteRecord(int index, const TRelayRecord& record, RelayRetry retry);

private:
    Delay& delay_;
    int fd_ = -1;
};

}  // namespace ovis
