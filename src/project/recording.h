#pragma once
// TRecording: the one recording buffer of the process. It holds the records of one recording file
// and a copy taken at the last load or save that tells whether the records were changed since.
// Both are allocated once at their full capacity.
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "project/recording_event.h"

namespace ovis {

// The records of a recording file as TRecording::LoadFile reads them (a prefix dropped), refused
// alike: IoError when it cannot be opened or read, is no whole number of records, has a cut
// prefix or holds more records than a recording holds.
std::vector<TRecordingEvent> ReadRecordingFile(const std::filesystem::path& path);

class TRecording {
public:
    TRecording();

    // Fills the buffer from `FileName` + ".ofa" in `dir` (the name matched without regard to case).
    // A first word other than 0 marks a prefix of 10 records, which is dropped. IoError when the
    // file cannot be opened (the buffer stays as it was), and when it cannot be read, is no whole
    // number of records, or holds more records than the capacity (the buffer is then empty).
    void Load(const std::filesystem::path& dir, const std::string& fileName);
    // The same for a file named by its full path; FileName becomes its name without extension.
    void LoadFile(const std::filesystem::path& path);
    // Writes records 1..Count to the file they were loaded from, atomically; IoError when no file
    // is loaded.
    void Save();

    // True when Count or any byte of records 1..Count differs from the last load or save.
    bool IsModified() const;

    std::size_t Count() const { return count_; }
    static constexpr std::size_t Capacity() { return kRecordingCapacity; }
    // Record k, 1-based (1..Count).
    TRecordingEvent& Event(std::size_t k) { return events_[Slot(k)]; }
    const TRecordingEvent& Event(std::size_t k) const { return events_[Slot(k)]; }
    std::span<const TRecordingEvent> Events() const { return {events_.data(), count_}; }

    double EventSeconds(std::size_t k) const;
    void SetEventSeconds(std::size_t k, double seconds);

    // Edits of the records; each throws std::length_error when the result would not fit the
    // capacity and std::out_of_range for a position outside the records, changing nothing then.
    // Inserts `event` as record k (1..Count + 1); the records from k on move up.
    void Insert(std::size_t k, const TRecordingEvent& event);
    void Append(const TRecordingEvent& event) { Insert(count_ + 1, event); }
    // Deletes record k; the records after it move down.
    void Erase(std::size_t k);
    // Keeps records 1..count (at most Count) or replaces all records by `records`.
    void Truncate(std::size_t count);
    void Assign(std::span<const TRecordingEvent> records);

    // Stable re-sort of records 3..Count by their time; records 1 and 2 (the marker pair) stay.
    void SortEvents();

    // The number of messages of the file: i - 3 for the first record i >= 4 whose message number is
    // smaller than that of record i - 1. Without such a descent every record from 3 on belongs to
    // the initial block; a file without records beyond the marker pair has none.
    std::size_t InitialBlockSize() const;

    const std::string& FileName() const { return fileName_; }
    const std::filesystem::path& Path() const { return path_; }
    const std::string& FolderName() const { return folderName_; }
    int FolderIndex() const { return folderIndex_; }
    void SetFolder(std::string name, int index);

private:
    std::vector<TRecordingEvent> events_;  // with room for the prefix of a prefixed file
    std::vector<TRecordingEvent> savedEvents_;
    std::size_t count_ = 0;
    std::size_t savedCount_ = 0;
    std::string fileName_;
    std::filesystem::path path_;
    std::string folderName_;
    int folderIndex_ = 0;

    // The storage index of record k; std::out_of_range outside 1..Capacity.
    static std::size_t Slot(std::size_t k);
    void TakeSavedCopy();
    void Clear();
};

}  // namespace ovis
