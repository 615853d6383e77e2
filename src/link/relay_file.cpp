#include "link/relay_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace ovis {

bool RelayFile::Open(const std::filesystem::path& path, RelayRetry retry) {
    Close();
    for (int attempt = 0; attempt < retry.tries; ++attempt) {
        if (attempt > 0) delay_.Pause(retry.pause);
        fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd_ >= 0) return true;
    }
    return false;
}

void RelayFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool RelayFile::Read(int index, TRelayRecord& record) const {
    if (fd_ < 0) return false;
    ssize_t n;
    do {
        n = ::pread(fd_, &record, sizeof record, off_t(index) * off_t(sizeof record));
    } while (n < 0 && errno == EINTR);
    return n == ssize_t(sizeof record);
}

bool RelayFile::Write(int index, std::size_t offset, std::span<const std::uint8_t> bytes, RelayRetry retry) {
    if (fd_ < 0) return false;
    const off_t at = off_t(index) * off_t(sizeof(TRelayRecord)) + off_t(offset);
    for (int attempt = 0; attempt < retry.tries; ++attempt) {
        if (attempt > 0) delay_.Pause(retry.pause);
        if (::pwrite(fd_, bytes.data(), bytes.size(), at) == ssize_t(bytes.size())) return true;
    }
    return false;
}

bool RelayFile::WriteRecord(int index, const TRelayRecord& record, RelayRetry retry) {
    return Write(index, 0, {reinterpret_cast<const std::uint8_t*>(&record), sizeof record}, retry);
}

}  // namespace ovis
