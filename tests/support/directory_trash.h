#pragma once
// A trash for tests: moves files into a directory of its own and records what it moved.
#include <filesystem>
#include <vector>

#include "platform/trash.h"

namespace ovis::test {

class DirectoryTrash final : public Trash {
public:
    explicit DirectoryTrash(std::filesystem::path dir) : dir_(std::move(dir)) { std::filesystem::create_directories(dir_); }

    bool MoveToTrash(const std::filesystem::path& file) override {
        std::error_code ec;
        std::filesystem::rename(file, dir_ / file.filename(), ec);
        if (ec) return false;
        moved.push_back(file);
        return true;
    }

    const std::filesystem::path& Dir() const { return dir_; }
    std::vector<std::filesystem::path> moved;

private:
    std::filesystem::path dir_;
};

}  // namespace ovis::test
