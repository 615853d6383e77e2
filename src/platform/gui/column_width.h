#pragma once
// Grid columns sized to their texts at the font in use.
#include <QFontMetrics>
#include <QString>

namespace ovis::gui {

// At least `width`, and wide enough for the column's title and for its widest sample text.
int ColumnWidth(const QFontMetrics& metrics, int width, const QString& title, const QString& sample);

}  // namespace ovis::gui
