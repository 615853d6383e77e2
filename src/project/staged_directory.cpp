#include "project/staged_directory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

namespace ovis {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kStagingPrefix = ".ovis-staging-";
constexpr const char* kLockFileName = ".ovis-staging.lock";

constexpr int kNameAttempts = 10;

fs::path StagingPath(const fs::path& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    return target.parent_path() / (std::string(kStagingPrefix) + std::to_string(random() % 1000000000ULL));
}

bool IsStagingName(const std::string& name) {
    if (name.size() <= kStagingPrefix.size() || name.compare(0, kStagingPrefix.size(), kStagingPrefix) != 0)
        return false;
    return name.find_first_not_of("0123456789", kStagingPrefix.size()) == std::string::npos;
}

// Whether a running process holds the lock of the staging directory `dir`.
bool LockHeld(const fs::path& dir) {
    const int fd = ::open((dir / kLockFileName).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;  // killed before the lock was taken
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

}  // namespace

StagedDirectory::StagedDirectory(fs::path target) : target_(std::move(target)), staging_(StagingPath(target_)) {}

StagedDirectory::~StagedDirectory() {
    if (!committed_) {
        std::error_code ignored;
        fs::remove_all(staging_, ignored);
    }
    Unlock();
}

std::error_code StagedDirectory::Create() {
    RemoveAbandonedStagings(target_.parent_path());
    std::error_code ec;
    // A name taken by another creation is chosen anew.
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        if (attempt > 0) staging_ = StagingPath(target_);
        if (fs::create_directory(staging_, ec)) break;
        if (!ec) ec = std::make_error_code(std::errc::file_exists);
        if (ec != std::errc::file_exists) return ec;
    }
    if (ec) return ec;
    lockFd_ = ::open((staging_ / kLockFileName).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (lockFd_ < 0 || ::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) return {errno, std::generic_category()};
    return {};
}

std::error_code StagedDirectory::Commit() {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target_, ec))) return std::make_error_code(std::errc::file_exists);
    // The lock file is not part of the result; the lock itself is held until the rename is done.
    if (lockFd_ >= 0) fs::remove(staging_ / kLockFileName, ec);
    fs::rename(staging_, target_, ec);
    committed_ = !ec;
    if (committed_) Unlock();
    return ec;
}

void StagedDirectory::Unlock() {
    if (lockFd_ >= 0) ::close(lockFd_);
    lockFd_ = -1;
}

void RemoveAbandonedStagings(const fs::path& dir, fs::file_time_type now) {
    std::error_code ec;
    std::vector<fs::path> abandoned;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!IsStagingName(it->path().filename().string()) || it->is_symlink(entryError) ||
            !it->is_directory(entryError))
            continue;
        const auto changed = it->last_write_time(entryError);
        if (!entryError && changed + kAbandonedStagingAge < now && !LockHeld(it->path()))
            abandoned.push_back(it->path());
    }
    for (const auto& path : abandoned) fs::remove_all(path, ec);
}

}  // namespace ovis
