#pragma once
// A directory built under a hidden name beside its target and renamed into place when it is
// complete, so that the target never exists half-made.
#include <filesystem>
#include <system_error>

namespace ovis {

class StagedDirectory {
public:
    // Chooses the staging path beside `target`; creates nothing.
    explicit StagedDirectory(std::filesystem::path target);
    // Removes the staging directory with its contents unless it was moved into place.
    ~StagedDirectory();
    StagedDirectory(const StagedDirectory&) = delete;
    StagedDirectory& operator=(const StagedDirectory&) = delete;

    const std::filesystem::path& Path() const { return staging_; }

    // Renames the staging directory to the target; an error when the target exists or the
    // rename fails.
    std::error_code Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path staging_;
    bool committed_ = false;
};

}  // namespace ovis
