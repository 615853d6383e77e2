#pragma once
// The help pages: HTML files in a help folder, one per help context number ("<n>.html") and the
// contents page "index.html". The folder is base directory + "Hilfe/", or the pages installed
// with the program when the base directory has none.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ovis {

inline constexpr const char* kHelpFolder = "Hilfe";
inline constexpr const char* kHelpIndexFile = "index.html";

using PathTest = std::function<bool(const std::filesystem::path&)>;

// Base directory + "Hilfe" when that folder exists, else `installedDirectory` when it exists,
// else base directory + "Hilfe" (the folder the missing-help message names).
std::filesystem::path HelpDirectory(const std::filesystem::path& baseDirectory,
                                    const std::filesystem::path& installedDirectory, const PathTest& isDirectory);
std::filesystem::path HelpIndex(const std::filesystem::path& helpDirectory);

// The page of a context, falling back to the contents page; nothing when neither exists.
std::optional<std::filesystem::path> HelpPageFor(const std::filesystem::path& helpDirectory, int context,
                                                 const PathTest& fileExists);

// The start-up message for a missing contents page.
std::string MissingHelpMessage(const std::filesystem::path& indexPath);

}  // namespace ovis
