#pragma once
// Damaged files of the kinds a hostile user or a broken disk leaves behind, made in place of a
// project file: for the recording loader (partial record, cut prefix, too many records) and for
// any file (FIFO, folder, link loop, no read permission).
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/file_bytes.h"

namespace ovis::test {

enum class Damage { PartialRecord, CutPrefix, TooManyRecords, Fifo, Folder, LinkLoop, Unreadable };

struct DamageCase {
    Damage damage;
    const char* name;
};

// The damage that any file may suffer: it is there, but cannot be read as a file.
inline constexpr DamageCase kUnopenableFiles[] = {
    {Damage::Fifo, "a FIFO"},
    {Damage::Folder, "a folder"},
    {Damage::LinkLoop, "a symbolic link loop"},
    {Damage::Unreadable, "a file without read permission"},
};

inline constexpr DamageCase kDamagedRecordings[] = {
    {Damage::PartialRecord, "a partial record"},
    {Damage::CutPrefix, "a prefix cut short"},
    {Damage::TooManyRecords, "more than 80640 records"},
    {Damage::Fifo, "a FIFO"},
    {Damage::Folder, "a folder"},
    {Damage::LinkLoop, "a symbolic link loop"},
    {Damage::Unreadable, "a file without read permission"},
};

// Replaces `path` by a damaged file; false when this damage cannot be made here (a file without
// read permission is readable for root), and the test case is then to be skipped.
inline bool MakeDamaged(const std::filesystem::path& path, Damage damage) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::remove_all(path, ec);
    constexpr std::size_t kRecord = 10;
    switch (damage) {
        case Damage::PartialRecord: WriteBytes(path, std::vector<std::uint8_t>(4 * kRecord + 3, 0)); return true;
        case Damage::CutPrefix: {
            std::vector<std::uint8_t> bytes(5 * kRecord, 0);
            bytes[0] = 7;  // a first word other than 0 announces a prefix of ten records
            WriteBytes(path, bytes);
            return true;
        }
        case Damage::TooManyRecords:
            WriteBytes(path, {});
            fs::resize_file(path, (80640 + 1) * kRecord);
            return true;
        case Damage::Fifo: return ::mkfifo(path.c_str(), 0644) == 0;
        case Damage::Folder: return fs::create_directory(path);
        case Damage::LinkLoop:
            fs::create_symlink(path.filename().string() + ".loop", path);
            fs::create_symlink(path.filename(), path.string() + ".loop");
            return true;
        case Damage::Unreadable:
            if (::geteuid() == 0) return false;
            WriteBytes(path, std::vector<std::uint8_t>(4 * kRecord, 0));
            fs::permissions(path, fs::perms::none);
            return true;
    }
    return false;
}

}  // namespace ovis::test
