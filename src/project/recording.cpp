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
    const std::span<std::uint8_t> storage{reinterpret_cast<std::uint8_t*>(events_.data()),
                                          events_.size() * kRecordSize};
    std::optional<FileRead> read;
    try {
        read = ReadFileIntoWithRetries(path, storage, kSingleAttempt);
    } catch (const IoError&) {
        Clear();
        throw;
    }
    if (!read) {  // not opened: the buffer stays as it was
        const int err = errno;
        throw IoError(FileErrorText("Die Aufzeichnung", path, "sie kann nicht geöffnet werden: " + SystemErrorText(err)));
    }
    // From here on a refused file leaves an empty buffer that is bound to no file.
    Clear();
    if (read->fileSize % kRecordSize != 0) throw PartialRecordError(path, read->fileSize, kRecordSize);
    const auto recordsInFile = std::size_t(read->fileSize / kRecordSize);
    const bool prefixed = recordsInFile > 0 && events_[0].Meldung.get() != 0;
    if (prefixed && recordsInFile < kRecordingPrefixRecords) throw ShortPrefixError(path, read->fileSize);
    const std::size_t count = recordsInFile - (prefixed ? kRecordingPrefixRecords : 0);
    if (count > kRecordingCapacity || read->bytesRead != read->fileSize) throw TooManyRecordsError(path, count);
    if (prefixed) std::memmove(events_.data(), events_.data() + kRecordingPrefixRecords, count * kRecordSize);
    count_ = count;
    fileName_ = path.stem().string();
    path_ = path;
    TakeSavedCopy();
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
