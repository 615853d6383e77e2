#pragma once
// RecordTable: one message table in memory, up to 1000 rows, with the saved image taken at the
// last load or save. Storage is allocated for the full capacity once.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/typed_file.h"

namespace ovis {

inline constexpr std::size_t kMaxTableRows = 1000;

struct TableLoadResult {
    bool opened = false;           // false: the file could not be opened, the table is empty
    std::size_t recordsInFile = 0;
    std::size_t rowsDropped = 0;   // records beyond the capacity that were not loaded
};

template <FileRecord Record>
class RecordTable {
public:
    RecordTable() : rows_(kMaxTableRows), saved_(kMaxTableRows) {}

    std::size_t Count() const { return count_; }
    static constexpr std::size_t Capacity() { return kMaxTableRows; }
    bool Full() const { return count_ >= kMaxTableRows; }

    // Row access, 0-based, within the capacity.
    Record& Row(std::size_t index) { return rows_.at(index); }
    const Record& Row(std::size_t index) const { return rows_.at(index); }
    std::span<Record> Rows() { return {rows_.data(), count_}; }
    std::span<const Record> Rows() const { return {rows_.data(), count_}; }
    std::span<Record> AllSlots() { return {rows_.data(), rows_.size()}; }

    void SetCount(std::size_t count) { count_ = std::min(count, kMaxTableRows); }

    // Appends a row; false when the table is full.
    bool Append(const Record& record) {
        if (Full()) return false;
        rows_[count_++] = record;
        return true;
    }

    // Replaces the rows with `records` (at most the capacity); returns how many did not fit.
    std::size_t Assign(std::span<const Record> records) {
        std::size_t n = std::min(records.size(), kMaxTableRows);
        std::copy_n(records.begin(), n, rows_.begin());
        count_ = n;
        return records.size() - n;
    }

    // Inserts `records` before row `position` (at most the row count); later rows move down.
    // False, and nothing changed, when the rows would exceed the capacity.
    bool InsertRows(std::size_t position, std::span<const Record> records) {
        if (records.size() > kMaxTableRows - count_) return false;
        position = std::min(position, count_);
        std::copy_backward(rows_.begin() + position, rows_.begin() + count_, rows_.begin() + count_ + records.size());
        std::copy(records.begin(), records.end(), rows_.begin() + position);
        count_ += records.size();
        return true;
    }

    // Removes `n` rows from `first` on (clamped to the rows in use); later rows move up and the
    // vacated slots at the end become `blank`. Returns the number removed.
    std::size_t RemoveRows(std::size_t first, std::size_t n, const Record& blank) {
        if (first >= count_) return 0;
        n = std::min(n, count_ - first);
        std::copy(rows_.begin() + first + n, rows_.begin() + count_, rows_.begin() + first);
        std::fill(rows_.begin() + count_ - n, rows_.begin() + count_, blank);
        count_ -= n;
        return n;
    }

    // Counts the loads from a file, so that a holder of older copies can tell that the table
    // was replaced since (e.g. by opening another project).
    std::uint64_t LoadGeneration() const { return loadGeneration_; }

    void TakeSavedImage() {
        saved_ = rows_;
        savedCount_ = count_;
    }
    std::size_t SavedCount() const { return savedCount_; }
    const Record& SavedRow(std::size_t index) const { return saved_.at(index); }

    // Loads the table file: the open is retried; a file that cannot be opened gives an empty
    // table. Records beyond the capacity are not read. A damaged file raises IoError and leaves
    // the table as it was.
    TableLoadResult Load(const std::filesystem::path& path, OpenRetry retry = {}) {
        auto read = ReadRecordsWithRetries<Record>(path, kMaxTableRows, retry);
        if (!read) {
            const int err = errno;
            ++loadGeneration_;
            count_ = 0;
            TakeSavedImage();
            // A missing file is an empty table; one that is there but cannot be opened is not.
            unreadable_.reset();
            if (err != ENOENT && err != ENOTDIR) unreadable_ = UnreadableFile{path, SystemErrorText(err)};
            return {};
        }
        return Loaded(*read);
    }

    // The file of the last load when it is there but could not be opened (the table is then
    // empty, not the file's content); nothing after a load that read the file or after a save.
    struct UnreadableFile {
        std::filesystem::path path;
        std::string reason;
    };
    const std::optional<UnreadableFile>& Unreadable() const { return unreadable_; }

    // Like Load, but a file that cannot be opened is an error.
    TableLoadResult LoadExisting(const std::filesystem::path& path, OpenRetry retry = {}) {
        auto read = ReadRecordsWithRetries<Record>(path, kMaxTableRows, retry);
        if (!read) throw IoError(FileErrorText("Die Datei", path, "sie kann nicht geöffnet werden"));
        return Loaded(*read);
    }

    void Save(const std::filesystem::path& path) {
        WriteRecords(path, rows_.data(), count_);
        TakeSavedImage();
        unreadable_.reset();
    }

private:
    TableLoadResult Loaded(const RecordsRead<Record>& read) {
        ++loadGeneration_;
        unreadable_.reset();
        Assign(read.records);
        TakeSavedImage();
        return {true, read.recordsInFile, read.recordsInFile - count_};
    }

    std::vector<Record> rows_;
    std::vector<Record> saved_;
    std::size_t count_ = 0;
    std::size_t savedCount_ = 0;
    std::uint64_t loadGeneration_ = 0;
    std::optional<UnreadableFile> unreadable_;
};

}  // namespace ovis
