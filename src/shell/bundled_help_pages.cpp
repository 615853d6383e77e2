#include "shell/bundled_help_pages.h"

#include "records/typed_file.h"
#include "shell/help_pages.h"

namespace ovis {

void WriteHelpPages(const std::filesystem::path& baseDirectory) {
    const std::filesystem::path folder = baseDirectory / kHelpFolder;
    CreateDirectoryOrThrow(folder);
    for (const BundledHelpPage& page : BundledHelpPages()) {
        const std::filesystem::path path = folder / page.name;
        if (std::filesystem::exists(std::filesystem::symlink_status(path))) continue;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(page.content.data());
        WriteBytesAtomically(path, {bytes, page.content.size()});
    }
}

}  // namespace ovis
