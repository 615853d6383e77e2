// Desktop fonts through Qt on the offscreen platform, so that no display is needed.
#include <QGuiApplication>

#include "cli/desktop_fonts.h"
#include "platform/gui/qt_font_rasterizer.h"

namespace ovis::cli {
namespace {

class QtDesktopFonts final : public DesktopFonts {
public:
    QtDesktopFonts() : application_(Argc(), Argv()) {}

    bool Installed(const std::string& family) override { return gui::DesktopFontInstalled(family); }
    FontRasterizer& Rasterizer() override { return rasterizer_; }

private:
    static int& Argc() {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        return argc;
    }
    static char** Argv() {
        static char name[] = "ovisctl";
        static char* argv[] = {name, nullptr};
        return argv;
    }

    QGuiApplication application_;
    gui::QtFontRasterizer rasterizer_;
};

}  // namespace

std::unique_ptr<DesktopFonts> OpenDesktopFonts() { return std::make_unique<QtDesktopFonts>(); }

}  // namespace ovis::cli
