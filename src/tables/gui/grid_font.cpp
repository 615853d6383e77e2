#include "tables/gui/grid_font.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace ovis::gui {
namespace {

constexpr double kDesignCharWidth = 4.6;

}  // namespace

QFont GridFont(const QFont& base) {
    QFont font = base;
    font.setPixelSize(11);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

int ScaledWidth(int width, const QFont& font) {
    const double scale = std::max(1.0, QFontMetricsF(font).averageCharWidth() / kDesignCharWidth);
    return int(std::lround(width * scale));
}

std::vector<int> ScaledWidths(const std::vector<int>& widths, const QFont& font) {
    std::vector<int> scaled;
    for (int width : widths) scaled.push_back(ScaledWidth(width, font));
    return scaled;
}

}  // namespace ovis::gui
