#include "evaluation/recording_folders.h"

#include <algorithm>

#include "project/io_tables.h"

namespace ovis {
namespace {

void AppendLedMessages(std::vector<int>& numbers, const MessageNumbering& numbering) {
    const int first = numbering.FirstNumber(MessageKind::Led);
    for (std::size_t i = 0; i < numbering.Count(MessageKind::Led); ++i) numbers.push_back(first + int(i));
}

// I/O and LED messages come first in the numbering.
int RecordedMessageCount(const MessageNumbering& numbering) {
    return int(numbering.Count(MessageKind::Io) + numbering.Count(MessageKind::Led));
}

std::vector<int> GroupMembersOfFolder(std::string_view folderName, const GroupTable& groups, int messageCount) {
    std::vector<bool> member(std::size_t(messageCount) + 1, false);
    for (const TGruppeRecord& group : groups.Rows()) {
        if (group.SpeicherOrdner.view() != folderName) continue;
        const int count = std::clamp(group.Anzahl.get(), 0, kMaxGroupMembers);
        for (int m = 0; m < count; ++m) {
            const int number = group.Mitglied[m].get();
            if (number >= 1 && number <= messageCount) member[std::size_t(number)] = true;
        }
    }
    std::vector<int> numbers;
    for (int number = 1; number <= messageCount; ++number)
        if (member[std::size_t(number)]) numbers.push_back(number);
    return numbers;
}

}  // namespace

std::vector<int> FolderMessages(int folder, const MessageNumbering& numbering, std::span<const TIoRecord> io,
                                const GroupTable& groups, const TParameterRecord& parameters) {
    std::vector<int> numbers;
    if (folder == kAllMessagesFolder || folder == kOutputFolder) {
        const std::size_t ioCount = std::min(io.size(), numbering.Count(MessageKind::Io));
        for (std::size_t i = 0; i < ioCount; ++i)
            if (folder == kAllMessagesFolder || IsOutputRow(io[i])) numbers.push_back(int(i + 1));
        AppendLedMessages(numbers, numbering);
    } else if (folder > kAllMessagesFolder && folder < kOutputFolder && !parameters.Ordner[folder].empty()) {
        numbers = GroupMembersOfFolder(parameters.Ordner[folder].view(), groups, RecordedMessageCount(numbering));
    }
    return numbers;
}

std::string RecordedMessageName(const MessageNumbering& numbering, int number) {
    if (number < 1 || number > RecordedMessageCount(numbering)) return {};
    return numbering.Messages()[std::size_t(number - 1)].name;
}

int FolderIndexOf(const TParameterRecord& parameters, std::string_view name) {
    for (int folder = 0; folder < kFolderCount; ++folder)
        if (parameters.Ordner[folder].view() == name) return folder;
    return 0;
}

}  // namespace ovis
