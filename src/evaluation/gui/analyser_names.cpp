#include "evaluation/gui/analyser_names.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "evaluation/analyser_cells.h"
#include "platform/gui/text_conversion.h"

namespace ovis::gui {

AnalyserNames::AnalyserNames(AnalyserModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName("Namen");
    Refresh();
}

void AnalyserNames::Refresh() {
    setFixedSize(width_, DiagramImageHeight(model_.Rows().DiagramRows()));
    update();
}

void AnalyserNames::SetWidth(int width) {
    width_ = width;
    Refresh();
}

void AnalyserNames::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::yellow);
    const int rows = model_.Rows().DiagramRows();
    for (int row = 1; row <= rows; ++row) {
        const QRect cell(0, (row - 1) * kRowPitch, width(), kCellHeight);
        const bool marked = model_.Marks().Marked(row);
        if (marked) painter.fillRect(cell, palette().color(QPalette::Highlight));
        painter.setPen(marked ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
        if (row <= model_.Rows().Count())
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral(" ") + FromRecord(model_.Rows().Name(row)));
    }
}

void AnalyserNames::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = event->position().toPoint().y() / kRowPitch + 1;
    if (event->modifiers() & Qt::ShiftModifier)
        model_.Marks().ShiftClick(row);
    else if (event->modifiers() & Qt::ControlModifier)
        model_.Marks().CtrlClick(row);
    else
        model_.Marks().Click(row);
    update();
    if (onMarked) onMarked();
}

void AnalyserNames::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) return;
    model_.Marks().WheelStep(delta < 0 ? 1 : -1);
    update();
    if (onWheelMoved) onWheelMoved(model_.Marks().Current());
    if (onMarked) onMarked();
    event->accept();
}

}  // namespace ovis::gui
