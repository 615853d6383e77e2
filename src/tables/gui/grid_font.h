#pragma once
// The font of the editor grids and the widening of their column widths for it.
#include <QFont>
#include <vector>

namespace ovis::gui {

// A small, semi-condensed font of the application's family for 16-pixel rows.
QFont GridFont(const QFont& base);

// Column widths are given for a font of about 4.6 pixels per character; a wider font widens
// them in proportion, so that the texts still fit.
int ScaledWidth(int width, const QFont& font);
std::vector<int> ScaledWidths(const std::vector<int>& widths, const QFont& font);

}  // namespace ovis::gui
