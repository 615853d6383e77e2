#pragma once
// Desktop fonts for `ovisctl led-text --font`: drawn with Qt (offscreen) when ovisctl was built
// with Qt, absent in a core-only build.
#include <memory>
#include <string>

#include "platform/font_rasterizer.h"

namespace ovis::cli {

class DesktopFonts {
public:
    virtual ~DesktopFonts() = default;
    // Whether a font family (UTF-8 name) is installed.
    virtual bool Installed(const std::string& family) = 0;
    virtual FontRasterizer& Rasterizer() = 0;
};

// Nothing when this build of ovisctl has no desktop fonts.
std::unique_ptr<DesktopFonts> OpenDesktopFonts();

}  // namespace ovis::cli
