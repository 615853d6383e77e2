#include "shell/help_pages.h"

namespace ovis {
namespace fs = std::filesystem;

fs::path HelpDirectory(const fs::path& baseDirectory) { return baseDirectory / kHelpFolder; }

fs::path HelpIndex(const fs::path& baseDirectory) { return HelpDirectory(baseDirectory) / kHelpIndexFile; }

std::optional<fs::path> HelpPageFor(const fs::path& baseDirectory, int context,
                                    const std::function<bool(const fs::path&)>& fileExists) {
    const fs::path page = HelpDirectory(baseDirectory) / (std::to_string(context) + ".html");
    if (fileExists(page)) return page;
    const fs::path index = HelpIndex(baseDirectory);
    if (fileExists(index)) return index;
    return std::nullopt;
}

std::string MissingHelpMessage(const fs::path& indexPath) { return "Hilfe-Datei nicht gefunden\r" + indexPath.string(); }

}  // namespace ovis
