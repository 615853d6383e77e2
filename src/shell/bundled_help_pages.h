#pragma once
// The help pages built into the programs, written into a base directory that has none.
#include <filesystem>
#include <span>
#include <string_view>

namespace ovis {

struct BundledHelpPage {
    std::string_view name;  // "index.html", "<context>.html"
    std::string_view content;
};

// Every page of the help folder of the sources, sorted by name.
std::span<const BundledHelpPage> BundledHelpPages();

// Writes the bundled pages that are missing into base directory + "Hilfe/"; pages already there
// are kept. IoError on file errors.
void WriteHelpPages(const std::filesystem::path& baseDirectory);

}  // namespace ovis
