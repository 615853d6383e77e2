#include "evaluation/gui/analyser_diagram.h"

#include <QMouseEvent>
#include <QPainter>

namespace ovis::gui {

QColor ColourOf(CellBackground background) {
    switch (background) {
        case CellBackground::LightBlue: return QColor(0x80, 0x80, 0xFF);
        case CellBackground::Magenta: return QColor(0xFF, 0x00, 0xFF);
        case CellBackground::Blue: break;
    }
    return QColor(0x00, 0x00, 0xFF);
}

AnalyserDiagram::AnalyserDiagram(QWidget* parent) : QWidget(parent) {
    setObjectName("Diagramm");
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetRows(kAnalyserMinimumRows);
}

void AnalyserDiagram::SetRows(int rows) {
    image_ = QImage(kDiagramImageWidth, DiagramImageHeight(rows), QImage::Format_RGB32);
    image_.fill(Qt::white);
    setFixedSize(image_.size());
    update();
}

void AnalyserDiagram::DrawCell(QPainter& painter, const AnalyserModel& model, int row, int column, bool asCursor,
                               const DiagramLook& look) {
    const int x = (column - 1) * kCellWidth;
    const int y = (row - 1) * kRowPitch;
    painter.fillRect(x, y, BackgroundWidth(look.raster), kCellHeight, ColourOf(BackgroundOf(row, column, asCursor, look)));
    for (const MarkRange& mark : WhiteMarks(model.State(row, column)))
        painter.fillRect(x + mark.from, y + kMarkTop, mark.to - mark.from, kCellHeight - kMarkTop, Qt::white);
}

void AnalyserDiagram::DrawCells(const AnalyserModel& model, const std::vector<DiagramCell>& cells, const DiagramLook& look) {
    if (cells.empty()) return;
    QPainter painter(&image_);
    QRect dirty;
    for (const DiagramCell& cell : cells) {
        DrawCell(painter, model, cell.row, cell.column, cell.column == model.Cursor(), look);
        dirty |= QRect((cell.column - 1) * kCellWidth, (cell.row - 1) * kRowPitch, kCellWidth, kRowPitch);
    }
    update(dirty);
}

void AnalyserDiagram::DrawColumn(const AnalyserModel& model, int column, bool asCursor, const DiagramLook& look) {
    if (column < 1 || column > model.Columns()) return;
    QPainter painter(&image_);
    const int rows = model.Rows().DiagramRows();
    for (int row = 1; row <= rows; ++row) DrawCell(painter, model, row, column, asCursor, look);
    update(QRect((column - 1) * kCellWidth, 0, kCellWidth, image_.height()));
}

void AnalyserDiagram::DrawRaster(const DiagramLook& look) {
    if (!look.raster) return;
    QPainter painter(&image_);
    for (int i = 1; i <= kAnalyserMaxColumns; ++i) painter.fillRect(kCellWidth * i - 1, 0, 1, image_.height() - 2, Qt::white);
    update();
}

void AnalyserDiagram::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

void AnalyserDiagram::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onLeftClick) onLeftClick(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void AnalyserDiagram::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onDoubleClick) onDoubleClick(event->position().toPoint());
}

}  // namespace ovis::gui
