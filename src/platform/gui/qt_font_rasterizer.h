#pragma once
// FontRasterizer on Qt: the text drawn with a QFont, without antialiasing, into a QImage at
// 96 dots per inch. Needs a QGuiApplication.
#include "platform/font_rasterizer.h"

namespace ovis::gui {

class QtFontRasterizer final : public FontRasterizer {
public:
    MonoRaster Draw(std::string_view text, const FontChoice& font, int x, int y, int width) override;
};

// Whether the desktop has a font family of that name (without regard to case).
bool DesktopFontInstalled(const std::string& family);

}  // namespace ovis::gui
