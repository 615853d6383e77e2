#include "project/file_types.h"

#include <algorithm>

#include "records/typed_file.h"

namespace ovis {
namespace fs = std::filesystem;

namespace {

constexpr FileTypeEntry kFileTypes[] = {
    {".ofp", "Ovis Parameter", "application/x-ovis-parameter"},
    {".ofd", "Ovis Data", "application/x-ovis-data"},
    {".ofa", "Ovis Analyser", "application/x-ovis-analyser"},
};

// The same text as packaging/ovis-mime.xml, which the installation puts in place system-wide.
constexpr std::string_view kMimeXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "  <mime-type type=\"application/x-ovis-parameter\">\n"
    "    <comment>Ovis Parameter</comment>\n"
    "    <glob pattern=\"*.ofp\"/>\n"
    "  </mime-type>\n"
    "  <mime-type type=\"application/x-ovis-data\">\n"
    "    <comment>Ovis Data</comment>\n"
    "    <glob pattern=\"*.ofd\"/>\n"
    "  </mime-type>\n"
    "  <mime-type type=\"application/x-ovis-analyser\">\n"
    "    <comment>Ovis Analyser</comment>\n"
    "    <glob pattern=\"*.ofa\"/>\n"
    "  </mime-type>\n"
    "</mime-info>\n";

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : char(c); });
    return out;
}

}  // namespace

std::span<const FileTypeEntry> FileTypes() { return kFileTypes; }

const FileTypeEntry* FileTypeOf(std::string_view fileName) {
    const std::string extension = LowerAscii(fs::path(std::string(fileName)).extension().string());
    for (const auto& type : kFileTypes)
        if (extension == type.extension) return &type;
    return nullptr;
}

std::string_view MimePackageXml() { return kMimeXml; }

std::optional<fs::path> UserDataDirectory(const std::optional<std::string>& xdgDataHome,
                                          const std::optional<std::string>& home) {
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG base directory rules say.
    if (xdgDataHome && !xdgDataHome->empty() && fs::path(*xdgDataHome).is_absolute()) return fs::path(*xdgDataHome);
    if (home && !home->empty()) return fs::path(*home) / ".local" / "share";
    return std::nullopt;
}

bool RegisterFileTypesForUser(const fs::path& dataDir) {
    const fs::path packages = dataDir / "mime" / "packages";
    const fs::path target = packages / kMimePackageFileName;
    std::error_code ec;
    if (fs::exists(target, ec)) return false;
    fs::create_directories(packages, ec);
    if (ec) throw IoError(FileErrorText("Das Verzeichnis", packages, "es kann nicht angelegt werden: " + SystemErrorText(ec)));
    WriteFileAtomically(target, Bytes(kMimeXml.begin(), kMimeXml.end()));
    return true;
}

}  // namespace ovis
