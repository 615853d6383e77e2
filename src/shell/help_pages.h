#pragma once
// The help pages: HTML files below base directory + "Hilfe/", one per help context number
// ("<n>.html") and the contents page "index.html".
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ovis {

inline constexpr const char* kHelpFolder = "Hilfe";
inline constexpr const char* kHelpIndexFile = "index.html";

std::filesystem::path HelpDirectory(const std::filesystem::path& baseDirectory);
std::filesystem::path HelpIndex(const std::filesystem::path& baseDirectory);

// The page of a context, falling back to the contents page; nothing when neither exists.
std::optional<std::filesystem::path> HelpPageFor(const std::filesystem::path& baseDirectory, int context,
                                                 const std::function<bool(const std::filesystem::path&)>& fileExists);

// The start-up message for a missing contents page.
std::string MissingHelpMessage(const std::filesystem::path& indexPath);

}  // namespace ovis
