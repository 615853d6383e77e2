// Desktop fonts through Qt on the offscreen platform, so that no display is needed.
#include "cli/desktop_fonts.h"
#include "cli/qt/offscreen_gui_application.h"
#include "platform/gui/qt_font_rasterizer.h"

namespace ovis::cli {
namespace {

class QtDesktopFonts final : public DesktopFonts {
public:
    bool Installed(const std::string& family) override { return gui::DesktopFontInstalled(family); }
    FontRasterizer& Rasterizer() override { return rasterizer_; }

private:
    OffscreenGuiApplication application_;
    gui::QtFontRasterizer rasterizer_;
};

}  // namespace

std::unique_ptr<DesktopFonts> OpenDesktopFonts() { return std::make_unique<QtDesktopFonts>(); }

}  // namespace ovis::cli
