#include "project/staged_directory.h"

#include <random>
#include <string>

namespace ovis {
namespace fs = std::filesystem;

namespace {

std::string UniqueSuffix() {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    return std::to_string(random() % 1000000000ULL);
}

}  // namespace

StagedDirectory::StagedDirectory(fs::path target)
    : target_(std::move(target)), staging_(target_.parent_path() / (".ovis-staging-" + UniqueSuffix())) {}

StagedDirectory::~StagedDirectory() {
    if (committed_) return;
    std::error_code ignored;
    fs::remove_all(staging_, ignored);
}

std::error_code StagedDirectory::Commit() {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target_, ec))) return std::make_error_code(std::errc::file_exists);
    fs::rename(staging_, target_, ec);
    committed_ = !ec;
    return ec;
}

}  // namespace ovis
