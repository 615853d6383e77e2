#include "platform/gui/column_width.h"

#include <algorithm>

namespace ovis::gui {

int ColumnWidth(const QFontMetrics& metrics, int width, const QString& title, const QString& sample) {
    return std::max({width, metrics.horizontalAdvance(title) + 12, metrics.horizontalAdvance(sample) + 8});
}

}  // namespace ovis::gui
