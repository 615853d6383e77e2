#include "evaluation/gui/analyser_scale.h"

#include <QPainter>

#include "evaluation/analyser_cells.h"

namespace ovis::gui {

AnalyserScale::AnalyserScale(QWidget* parent) : QWidget(parent) {
    setObjectName("Skala");
    setFixedHeight(18);
}

void AnalyserScale::Set(int left, int columns) {
    left_ = left;
    columns_ = columns;
    update();
}

void AnalyserScale::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int a = 0; a <= columns_; ++a) painter.fillRect(left_ + 2 + kCellWidth * a, 0, 1, 8, Qt::black);
    for (int b = 0; b <= (columns_ + 2) / 10; ++b) painter.fillRect(left_ + 2 + 10 * kCellWidth * b, 0, 2, 16, Qt::black);
}

}  // namespace ovis::gui
