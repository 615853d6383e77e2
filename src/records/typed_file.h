#pragma once
// Typed files: plain concatenations of fixed-size records without header.
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>
#include <vector>

#include "records/io_error.h"

namespace ovis {

using Bytes = std::vector<std::uint8_t>;

struct OpenRetry {
    int attempts = 11;  // the first try and up to 10 retries
    std::chrono::milliseconds pause{10};
};

// Reads a whole file. Nothing when it cannot be opened after the given attempts;
// IoError when it was opened but could not be read.
std::optional<Bytes> ReadFileWithRetries(const std::filesystem::path& path, OpenRetry retry = {});

// Reads a whole file; IoError when it cannot be opened or read.
Bytes ReadFileOrThrow(const std::filesystem::path& path);

// Writes a temporary file beside the target and renames it over the target, so that the
// target is either the old or the new content, never a truncated one. IoError on failure.
void WriteFileAtomically(const std::filesystem::path& path, const Bytes& bytes);

// Creates an empty file (or truncates an existing one) the same way.
inline void WriteEmptyFile(const std::filesystem::path& path) { WriteFileAtomically(path, {}); }

// The path of `name` inside `dir`, matched without regard to case: an existing entry whose
// name differs only in case is found; otherwise dir / name with the given spelling.
std::filesystem::path ResolveInDirectory(const std::filesystem::path& dir, const std::string& name);

// German text of a system error (errno value or error code); other values keep the platform's text.
std::string SystemErrorText(int errorNumber);
std::string SystemErrorText(const std::error_code& error);

// German text for a file error, naming the file.
std::string FileErrorText(const std::string& what, const std::filesystem::path& path, const std::string& reason);

template <typename Record>
concept FileRecord = std::is_trivially_copyable_v<Record> && alignof(Record) == 1;

// Splits file bytes into records. A length that is not a whole number of records is a damaged
// file: IoError, so that nothing of it is dropped by a later save.
template <FileRecord Record>
std::vector<Record> DecodeRecords(const Bytes& bytes, const std::filesystem::path& path) {
    if (bytes.size() % sizeof(Record) != 0) {
        throw IoError(FileErrorText("Die Datei", path,
                                    "ihre Länge von " + std::to_string(bytes.size()) +
                                        " Bytes ist kein Vielfaches der Satzlänge von " +
                                        std::to_string(sizeof(Record)) + " Bytes; sie ist unvollständig oder beschädigt"));
    }
    std::vector<Record> records(bytes.size() / sizeof(Record));
    if (!records.empty()) std::memcpy(records.data(), bytes.data(), bytes.size());
    return records;
}

template <FileRecord Record>
Bytes EncodeRecords(const Record* records, std::size_t count) {
    Bytes bytes(count * sizeof(Record));
    if (count) std::memcpy(bytes.data(), records, bytes.size());
    return bytes;
}

template <FileRecord Record>
void WriteRecords(const std::filesystem::path& path, const Record* records, std::size_t count) {
    WriteFileAtomically(path, EncodeRecords(records, count));
}

// Reads exactly one record (the parameter files). IoError when the file is missing,
// unreadable or shorter than one record; `record` is then unchanged.
template <FileRecord Record>
void ReadSingleRecord(const std::filesystem::path& path, Record& record, OpenRetry retry = {}) {
    auto bytes = ReadFileWithRetries(path, retry);
    if (!bytes) throw IoError(FileErrorText("Die Datei", path, "sie kann nicht geöffnet werden"));
    if (bytes->size() < sizeof(Record)) {
        throw IoError(FileErrorText("Die Datei", path,
                                    "sie ist kürzer als ein Datensatz (" + std::to_string(bytes->size()) + " von " +
                                        std::to_string(sizeof(Record)) + " Bytes)"));
    }
    std::memcpy(&record, bytes->data(), sizeof(Record));
}

}  // namespace ovis
