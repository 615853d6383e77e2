// Desktop fonts in a build without Qt: none.
#include "cli/desktop_fonts.h"

namespace ovis::cli {

std::unique_ptr<DesktopFonts> OpenDesktopFonts() { return nullptr; }

}  // namespace ovis::cli
