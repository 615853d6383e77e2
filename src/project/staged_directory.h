#pragma once
// A directory built under a hidden name beside its target and renamed into place when it is
// complete, so that the target never exists half-made.
#include <chrono>
#include <filesystem>
#include <system_error>

namespace ovis {

// A staging directory that no running process holds and that was last changed longer ago than
// this is left over from a creation that was killed.
inline constexpr std::chrono::hours kAbandonedStagingAge{1};

class StagedDirectory {
public:
    // Chooses the staging path beside `target`; creates nothing.
    explicit StagedDirectory(std::filesystem::path target);
    // Removes the staging directory with its contents unless it was moved into place.
    ~StagedDirectory();
    StagedDirectory(const StagedDirectory&) = delete;
    StagedDirectory& operator=(const StagedDirectory&) = delete;

    const std::filesystem::path& Path() const { return staging_; }

    // Removes the abandoned staging directories beside the target (RemoveAbandonedStagings),
    // then creates the staging directory with a lock file inside that this process holds
    // (flock) until the directory is committed or removed: the system releases the lock when
    // the process ends in any way, so a held lock marks a creation that is still running.
    std::error_code Create();

    // Renames the staging directory to the target; an error when the target exists or the
    // rename fails.
    std::error_code Commit();

private:
    void Unlock();

    std::filesystem::path target_;
    std::filesystem::path staging_;
    int lockFd_ = -1;
    bool committed_ = false;
};

// Removes the staging directories in `dir` that are older than kAbandonedStagingAge at `now`
// and whose lock no running process holds. Other entries are never touched; failures are
// ignored.
void RemoveAbandonedStagings(const std::filesystem::path& dir,
                             std::filesystem::file_time_type now = std::filesystem::file_time_type::clock::now());

}  // namespace ovis
