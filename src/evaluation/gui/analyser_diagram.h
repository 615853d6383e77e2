#pragma once
// The analyser's diagram: cells drawn into an off-screen image that the widget blits.
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "evaluation/analyser_cells.h"
#include "evaluation/analyser_model.h"

namespace ovis::gui {

// The colour of a cell background.
QColor ColourOf(CellBackground background);

class AnalyserDiagram : public QWidget {
    Q_OBJECT
public:
    explicit AnalyserDiagram(QWidget* parent = nullptr);

    // A fresh image for `rows` rows; every cell must then be drawn.
    void SetRows(int rows);
    // Draws the cells into the image (the cursor column in magenta) and updates them on screen.
    void DrawCells(const AnalyserModel& model, const std::vector<DiagramCell>& cells, const DiagramLook& look);
    // Draws column `column` of every row, as cursor column or plainly.
    void DrawColumn(const AnalyserModel& model, int column, bool asCursor, const DiagramLook& look);
    // The raster's white lines over all rows, when the raster is on.
    void DrawRaster(const DiagramLook& look);

    const QImage& Image() const { return image_; }

    std::function<void(QPoint)> onLeftClick;
    std::function<void(QPoint)> onDoubleClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void DrawCell(QPainter& painter, const AnalyserModel& model, int row, int column, bool asCursor,
                  const DiagramLook& look);

    QImage image_;
};

}  // namespace ovis::gui
