#pragma once
// Typed files: plain concatenations of fixed-size records without header.
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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

// The most that a whole-file read takes; longer files are refused as damaged.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

// The first bytes of a file and the length of the whole file.
struct FilePrefix {
    Bytes bytes;
    std::uintmax_t fileSize = 0;
};

// Reads at most `maxBytes` of a file. Only regular files are read (a link is followed); a FIFO,
// a device or any other special file is refused as damaged without being read, so that nothing
// blocks or reads without end. Nothing when the file cannot be opened after the given attempts;
// IoError when it is no regular file or when it could not be read.
std::optional<FilePrefix> ReadFilePrefixWithRetries(const std::filesystem::path& path, std::size_t maxBytes,
                                                    OpenRetry retry = {});

// Reads the first bytes of a file into `buffer` (at most its size) without allocating; opened and
// checked as above. Nothing when the file cannot be opened after the given attempts.
struct FileRead {
    std::size_t bytesRead = 0;
    std::uintmax_t fileSize = 0;
};
std::optional<FileRead> ReadFileIntoWithRetries(const std::filesystem::path& path, std::span<std::uint8_t> buffer,
                                                OpenRetry retry = {});

// Reads a whole file the same way. IoError as above and when it is longer than kMaxFileBytes.
std::optional<Bytes> ReadFileWithRetries(const std::filesystem::path& path, OpenRetry retry = {});

// Reads a whole file; IoError when it cannot be opened or read.
Bytes ReadFileOrThrow(const std::filesystem::path& path);

// Writes a temporary file beside the target and renames it over the target, so that the
// target is either the old or the new content, never a truncated one. A symbolic link is
// written through (the temporary file lies beside the file it points to); an existing file
// keeps its mode and owner. IoError, and the file unchanged, when it fails or when the
// existing file is not writable (no write permission for its owner or for this process)
// or is no regular file.
void WriteFileAtomically(const std::filesystem::path& path, const Bytes& bytes);
// The same for bytes that the caller holds elsewhere (a preallocated buffer).
void WriteBytesAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Creates a directory with any missing parents; IoError when it cannot be created.
void CreateDirectoryOrThrow(const std::filesystem::path& dir);

// The name of the temporary file of an atomic save of `fileName`: "." + fileName + ".tmp" + number,
// the number below kSaveTempNumbers.
inline constexpr std::uint64_t kSaveTempNumbers = 1000000000;
std::string SaveTempName(const std::string& fileName, std::uint64_t number);
// The file name whose save a temporary file of exactly that form belongs to; nothing for any
// other name.
std::optional<std::string> SaveTempTarget(std::string_view name);

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

// The error of a file whose length is not a whole number of records.
IoError PartialRecordError(const std::filesystem::path& path, std::uintmax_t fileSize, std::size_t recordSize);

// Splits file bytes into records. A length that is not a whole number of records is a damaged
// file: IoError, so that nothing of it is dropped by a later save.
template <FileRecord Record>
std::vector<Record> DecodeRecords(const Bytes& bytes, const std::filesystem::path& path) {
    if (bytes.size() % sizeof(Record) != 0) throw PartialRecordError(path, bytes.size(), sizeof(Record));
    std::vector<Record> records(bytes.size() / sizeof(Record));
    if (!records.empty()) std::memcpy(records.data(), bytes.data(), bytes.size());
    return records;
}

// The first records of a typed file, at most as many as the reader holds, and the number of
// records in the whole file.
template <FileRecord Record>
struct RecordsRead {
    std::vector<Record> records;
    std::size_t recordsInFile = 0;
};

// Reads at most `capacity` records of a typed file; the rest of the file is not read. Nothing
// when the file cannot be opened after the given attempts; IoError when it is no regular file,
// cannot be read or its length is not a whole number of records.
template <FileRecord Record>
std::optional<RecordsRead<Record>> ReadRecordsWithRetries(const std::filesystem::path& path, std::size_t capacity,
                                                          OpenRetry retry = {}) {
    auto prefix = ReadFilePrefixWithRetries(path, capacity * sizeof(Record), retry);
    if (!prefix) return std::nullopt;
    if (prefix->fileSize % sizeof(Record) != 0) throw PartialRecordError(path, prefix->fileSize, sizeof(Record));
    return RecordsRead<Record>{DecodeRecords<Record>(prefix->bytes, path),
                               static_cast<std::size_t>(prefix->fileSize / sizeof(Record))};
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
    auto prefix = ReadFilePrefixWithRetries(path, sizeof(Record), retry);
    if (!prefix) throw IoError(FileErrorText("Die Datei", path, "sie kann nicht geöffnet werden"));
    if (prefix->bytes.size() < sizeof(Record)) {
        throw IoError(FileErrorText("Die Datei", path,
                                    "sie ist kürzer als ein Datensatz (" + std::to_string(prefix->bytes.size()) +
                                        " von " + std::to_string(sizeof(Record)) + " Bytes)"));
    }
    std::memcpy(&record, prefix->bytes.data(), sizeof(Record));
}

}  // namespace ovis
