#include "shell/help_pages.h"

namespace ovis {
namespace fs = std::filesystem;

fs::path HelpDirectory(const fs::path& baseDirectory, const fs::path& installedDirectory, const PathTest& isDirectory) {
    const fs::path own = baseDirectory / kHelpFolder;
    if (isDirectory(own)) return own;
    if (!installedDirectory.empty() && isDirectory(installedDirectory)) return installedDirectory;
    return own;
}

fs::path HelpIndex(const fs::path& helpDirectory) { return helpDirectory / kHelpIndexFile; }

std::optional<fs::path> HelpPageFor(const fs::path& helpDirectory, int context, const PathTest& fileExists) {
    const fs::path page = helpDirectory / (std::to_string(context) + ".html");
    if (fileExists(page)) return page;
    const fs::path index = HelpIndex(helpDirectory);
    if (fileExists(index)) return index;
    return std::nullopt;
}

std::string MissingHelpMessage(const fs::path& indexPath) { return "Hilfe-Datei nicht gefunden\r" + indexPath.string(); }

}  // namespace ovis
