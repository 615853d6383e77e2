#pragma once
// The evaluation window's folder tree and the rules that depend on the chosen folder.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "project/group_record.h"
#include "project/message_tables.h"
#include "project/parameter_record.h"

namespace ovis {

inline constexpr const char* kAcquisitionRoot = "Datenerfassung";
inline constexpr const char* kOutputRoot = "Datenausgabe";

struct FolderTreeNode {
    std::string text;  // code page 1252, as the folder table holds it
    int folder = -1;   // the folder index of a folder node; -1 for the two roots
};

// The nodes in display order; a node's position is its absolute index: 0 "Datenerfassung",
// 1 to n + 1 the folders 0 to n (n user folders), n + 2 "Datenausgabe", n + 3 folder 14.
std::vector<FolderTreeNode> FolderTreeNodes(const TParameterRecord& parameters, int userFolders);

// The folder of a node text: the first index 0-13 whose `Ordner` entry equals it, else 14.
int FolderIndexOfNode(const TParameterRecord& parameters, std::string_view text);

// FolderDirectory: the project directory + "Daten/Datenerfassung/" for folders 0-13 or
// "Daten/Datenausgabe/" for folder 14, + the folder's name (each part matched without regard to case).
std::filesystem::path FolderDirectory(const std::filesystem::path& projectDir, const TParameterRecord& parameters,
                                      int folder);

// Why units of a folder cannot be read; nothing (empty) when they can. The output folder never,
// an acquisition folder other than 0 only when a group stores into it.
std::string UnitFolderRefusal(int folder, std::string_view nodeText, const GroupTable& groups);

inline constexpr const char* kOutputFolderUnitsText =
    "Bei diesem Ordner können generell keine Daten (Units) aus dem Interface gelesen werden.";
inline constexpr const char* kUnusedFolderUnitsText =
    "Da dieser Ordner nicht verwendet wurde, können auch keine Daten (Units) aus dem Interface gelesen werden!";

}  // namespace ovis
