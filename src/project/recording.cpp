#include "project/recording.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "project/recording_time.h"
#include "records/typed_file.h"

namespace ovis {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRecordSize = sizeof(TRecordingEvent);

// A recording file is read only once: no retries.
constexpr OpenRetry kSingleAttempt{1, std::chrono::milliseconds(0)};

IoError TooManyRecordsError(const fs::path& path, std::size_t records) {
    return IoError(FileErrorText("Die Aufzeichnung", path,
                                 "sie enthält " + std::to_string(records) + " Datensätze, eine Aufzeichnung fasst höchstens " +
                                     std::to_string(kRecordingCapacity) + "; sie wird nicht geladen"));
}

IoError ShortPrefixError(const fs::path& path, std::uintmax_t fileSize) {
    return IoError(FileErrorText("Die Aufzeichnung", path,
                                 "sie beginnt mit einem Vorspann von " +
                                     std::to_string(kRecordingPrefixRecords * kRecordSize) + " Bytes, ist aber nur " +
                                     std::to_string(fileSize) + " Bytes lang; sie ist beschädigt"));
}

std::span<const std::uint8_t> BytesOf(const TRecordingEvent* events, std::size_t count) {
    return {reinterpret_cast<const std::uint8_t*>(events), count * kRecordSize};
}

IoError NotOpenedError(const fs::path& path, int err) {
    return IoError(FileErrorText("Die Aufzeichnung", path, "sie kann nicht geöffnet werden: " + SystemErrorText(err)));
}

// Reads a recording file into `storage` (room for the capacity and a prefix) and drops a prefix;
// returns the record count. Nothing when the file cannot be opened (errno tells why). IoError
// when it cannot be read, is no whole number of records, has a cut prefix or holds more records
// than the capacity; `storage` is then overwritten in part.
std::optional<std::size_t> ReadRecordingRecords(const fs::path& path, std::span<TRecordingEvent> storage) {
    const std::span<std::uint8_t> bytes{reinterpret_cast<std::uint8_t*>(storage.data()), storage.size() * kRecordSize};
    const std::optional<FileRead> read = ReadFileIntoWithRetries(path, bytes, kSingleAttempt);
    if (!read) return std::nullopt;
    if (read->fileSize % kRecordSize != 0) throw PartialRecordError(path, read->fileSize, kRecordSize);
    const auto recordsInFile = std::size_t(read->fileSize / kRecordSize);
    const bool prefixed = recordsInFile > 0 && storage[0].Meldung.get() != 0;
    if (prefixed && recordsInFile < kRecordingPrefixRecords) throw ShortPrefixError(path, read->fileSize);
    const std::size_t count = recordsInFile - (prefixed ? kRecordingPrefixRecords : 0);
    if (count > kRecordingCapacity || read->bytesRead != read->fileSize) throw TooManyRecordsError(path, count);
    if (prefixed) std::memmove(storage.data(), storage.data() + kRecordingPrefixRecords, count * kRecordSize);
    return count;
}

}  // namespace

TRecording::TRecording()
    : events_(kRecordingCapacity + kRecordingPrefixRecords), savedEvents_(kRecordingCapacity) {}

std::size_t TRecording::Slot(std::size_t k) {
    if (k < 1 || k > kRecordingCapacity) throw std::out_of_range("recording record " + std::to_string(k));
    return k - 1;
}

void TRecording::Load(const fs::path& dir, const std::string& fileName) {
    LoadFile(ResolveInDirectory(dir, fileName + kRecordingExtension));
    fileName_ = fileName;  // shown as given
}

void TRecording::LoadFile(const fs::path& path) {
    std::optional<std::size_t> count;
    try {
        count = ReadRecordingRecords(path, events_);
    } catch (const IoError&) {
        // A refused file leaves an empty buffer that is bound to no file.
        Clear();
        throw;
    }
    if (!count) throw NotOpenedError(path, errno);  // not opened: the buffer stays as it was
    count_ = *count;
    fileName_ = path.stem().string();
    path_ = path;
    TakeSavedCopy();
}

std::vector<TRecordingEvent> ReadRecordingFile(const fs::path& path) {
    std::vector<TRecordingEvent> records(kRecordingCapacity + kRecordingPrefixRecords);
    const std::optional<std::size_t> count = ReadRecordingRecords(path, records);
    if (!count) throw NotOpenedError(path, errno);
    records.resize(*count);
    return records;
}

void TRecording::Clear() {
    count_ = 0;
    savedCount_ = 0;
    fileName_.clear();
    path_.clear();
}

void TRecording::Save() {
    if (path_.empty()) throw IoError("E/A-Fehler: Es ist keine Aufzeichnung geladen, die gespeichert werden könnte.");
    WriteBytesAtomically(path_, BytesOf(events_.data(), count_));
    TakeSavedCopy();
}

void TRecording::TakeSavedCopy() {
    std::copy_n(events_.begin(), count_, savedEvents_.begin());
    savedCount_ = count_;
}

bool TRecording::IsModified() const {
    if (count_ != savedCount_) return true;
    return count_ != 0 && std::memcmp(events_.data(), savedEvents_.data(), count_ * kRecordSize) != 0;
}

void TRecording::Insert(std::size_t k, const TRecordingEvent& event) {
    if (count_ >= kRecordingCapacity) throw std::length_error("recording full");
    if (k < 1 || k > count_ + 1) throw std::out_of_range("recording insert at " + std::to_string(k));
    const auto at = events_.begin() + std::ptrdiff_t(k - 1);
    std::copy_backward(at, events_.begin() + std::ptrdiff_t(count_), events_.begin() + std::ptrdiff_t(count_ + 1));
    *at = event;
    ++count_;
}

void TRecording::Erase(std::size_t k) {
    if (k < 1 || k > count_) throw std::out_of_range("recording erase at " + std::to_string(k));
    std::copy(events_.begin() + std::ptrdiff_t(k), events_.begin() + std::ptrdiff_t(count_),
              events_.begin() + std::ptrdiff_t(k - 1));
    --count_;
}

void TRecording::Truncate(std::size_t count) { count_ = std::min(count, count_); }

void TRecording::Assign(std::span<const TRecordingEvent> records) {
    if (records.size() > kRecordingCapacity) throw std::length_error("recording full");
    std::copy(records.begin(), records.end(), events_.begin());
    count_ = records.size();
}

double TRecording::EventSeconds(std::size_t k) const { return ovis::EventSeconds(Event(k)); }

void TRecording::SetEventSeconds(std::size_t k, double seconds) { ovis::SetEventSeconds(Event(k), seconds); }

void TRecording::SortEvents() {
    if (count_ <= 3) return;
    std::stable_sort(events_.begin() + 2, events_.begin() + std::ptrdiff_t(count_),
                     [](const TRecordingEvent& a, const TRecordingEvent& b) {
                         return ovis::EventSeconds(a) < ovis::EventSeconds(b);
                     });
}

std::size_t TRecording::InitialBlockSize() const {
    for (std::size_t i = 4; i <= count_; ++i) {
        if (MessageNumber(Event(i)) < MessageNumber(Event(i - 1))) return i - 3;
    }
    return count_ > 2 ? count_ - 2 : 0;
}

void TRecording::SetFolder(std::string name, int index) {
    folderName_ = std::move(name);
    folderIndex_ = index;
}

}  // namespace ovis
