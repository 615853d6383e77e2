#include "evaluation/folder_tree.h"

#include "project/output_file_table.h"
#include "records/codepage.h"
#include "records/typed_file.h"

namespace ovis {

std::vector<FolderTreeNode> FolderTreeNodes(const TParameterRecord& parameters, int userFolders) {
    std::vector<FolderTreeNode> nodes;
    nodes.push_back({kAcquisitionRoot, -1});
    for (int folder = 0; folder <= userFolders && folder < kOutputFolder; ++folder)
        nodes.push_back({std::string(parameters.Ordner[folder].view()), folder});
    nodes.push_back({kOutputRoot, -1});
    nodes.push_back({std::string(parameters.Ordner[kOutputFolder].view()), kOutputFolder});
    return nodes;
}

int FolderIndexOfNode(const TParameterRecord& parameters, std::string_view text) {
    for (int folder = 0; folder < kOutputFolder; ++folder)
        if (parameters.Ordner[folder].view() == text) return folder;
    return kOutputFolder;
}

std::filesystem::path FolderDirectory(const std::filesystem::path& projectDir, const TParameterRecord& parameters,
                                      int folder) {
    if (folder == kOutputFolder) return OutputFolderPath(projectDir, parameters);
    const auto root = ResolveInDirectory(ResolveInDirectory(projectDir, "Daten"), kAcquisitionRoot);
    return ResolveInDirectory(root, ToUtf8(parameters.Ordner[folder].view()));
}

std::string UnitFolderRefusal(int folder, std::string_view nodeText, const GroupTable& groups) {
    if (folder == kOutputFolder) return kOutputFolderUnitsText;
    if (folder == kAllMessagesFolder) return {};
    for (const TGruppeRecord& group : groups.Rows())
        if (group.SpeicherOrdner.view() == nodeText) return {};
    return kUnusedFolderUnitsText;
}

}  // namespace ovis
