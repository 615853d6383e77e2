#pragma once
// Files of a folder in the order the original platform's directory listing returns them:
// names compared upper-cased, then byte by byte, never in the file system's own order.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ovis {

// Names (with extension, as the file system spells them) of the regular files in `dir` whose
// extension equals `extension` (e.g. ".pgm") without regard to case, in listing order. Empty
// when the folder does not exist or cannot be read.
std::vector<std::string> ListedFileNames(const std::filesystem::path& dir, std::string_view extension);

// Whether the name's extension equals `extension` (e.g. ".pgm") without regard to case.
bool HasExtension(const std::filesystem::path& path, std::string_view extension);

// Names of every entry of `dir` whose extension equals `extension` without regard to case,
// whatever its kind (regular file, link, folder, FIFO, ...), in listing order. Empty when the
// folder does not exist; IoError when it is there but cannot be listed.
std::vector<std::string> ListedEntryNames(const std::filesystem::path& dir, std::string_view extension);

// The listing order of two file names: true when `a` comes before `b`.
bool ListedBefore(std::string_view a, std::string_view b);

}  // namespace ovis
