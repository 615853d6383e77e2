#include "evaluation/recording_folders.h"

#include <algorithm>

namespace ovis {
namespace {

bool IsOutputKind(const TIoRecord& row) {
    return row.Typ == "Relais" || row.Typ == "LED" || row.Typ == "Opto" || row.Typ == "Trans";
}

void AppendLedMessages(std::vector<int>& numbers, std::size_t ioCount, std::size_t ledCount) {
    for (std::size_t i = 0; i < ledCount; ++i) numbers.push_back(int(ioCount + i + 1));
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

std::vector<int> FolderMessages(int folder, const IoTable& io, std::size_t ledCount, const GroupTable& groups,
                                const TParameterRecord& parameters) {
    std::vector<int> numbers;
    if (folder == kAllMessagesFolder || folder == kOutputFolder) {
        for (std::size_t i = 0; i < io.Count(); ++i)
            if (folder == kAllMessagesFolder || IsOutputKind(io.Row(i))) numbers.push_back(int(i + 1));
        AppendLedMessages(numbers, io.Count(), ledCount);
    } else if (folder > kAllMessagesFolder && folder < kOutputFolder && !parameters.Ordner[folder].empty()) {
        numbers = GroupMembersOfFolder(parameters.Ordner[folder].view(), groups, int(io.Count() + ledCount));
    }
    return numbers;
}

int FolderIndexOf(const TParameterRecord& parameters, std::string_view name) {
    for (int folder = 0; folder < kFolderCount; ++folder)
        if (parameters.Ordner[folder].view() == name) return folder;
    return 0;
}

}  // namespace ovis
