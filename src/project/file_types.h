#pragma once
// The program's three file types and their registration for the current user as a
// shared-mime-info package (never system-wide at run time).
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ovis {

struct FileTypeEntry {
    const char* extension;  // with the dot, lower case
    const char* typeName;
    const char* mimeType;
};

std::span<const FileTypeEntry> FileTypes();
// The file type of a file name, its extension compared without regard to case.
const FileTypeEntry* FileTypeOf(std::string_view fileName);

inline constexpr const char* kMimePackageFileName = "ovis.xml";

// The shared-mime-info package describing the three types.
std::string_view MimePackageXml();

// $XDG_DATA_HOME, else $HOME/.local/share; nothing when neither is known.
std::optional<std::filesystem::path> UserDataDirectory(const std::optional<std::string>& xdgDataHome,
                                                       const std::optional<std::string>& home);

// Writes the package into <dataDir>/mime/packages when it is not there yet. True when it was
// written (the mime database then needs updating). IoError when it cannot be written.
bool RegisterFileTypesForUser(const std::filesystem::path& dataDir);

}  // namespace ovis
