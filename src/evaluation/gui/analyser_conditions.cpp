#include "evaluation/gui/analyser_conditions.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "evaluation/analyser_cells.h"
#include "platform/gui/text_conversion.h"

namespace ovis::gui {

ConditionList::ConditionList(QWidget* parent) : QListWidget(parent) {
    setObjectName("Bedingungsliste");
    setWindowFlags(Qt::Popup);
    for (const char* entry : kConditionListEntries) addItem(QString::fromLatin1(entry));
    setFixedSize(64, 3 * 16 + 4);
    connect(this, &QListWidget::itemClicked, this, &ConditionList::Choose);
    connect(this, &QListWidget::itemActivated, this, &ConditionList::Choose);
}

void ConditionList::Open(int row, QPoint at) {
    row_ = row;
    setCurrentRow(0);
    move(at);
    show();
    setFocus();
}

void ConditionList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void ConditionList::Choose(QListWidgetItem* item) {
    hide();
    if (item && onChosen) onChosen(row_, item->text().toStdString());
}

AnalyserConditions::AnalyserConditions(const ConditionColumn& column, QWidget* parent)
    : QWidget(parent), column_(column), list_(new ConditionList(this)) {
    setObjectName("Suchbedingung");
    SetRows(kAnalyserMinimumRows);
}

void AnalyserConditions::SetRows(int diagramRows) {
    setFixedSize(kWidth, DiagramImageHeight(diagramRows));
    update();
}

void AnalyserConditions::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(Qt::lightGray));
    painter.drawLine(0, 0, 0, height());
    painter.setPen(Qt::black);
    for (int row = 1; row * kRowPitch <= height(); ++row) {
        const QRect cell(2, (row - 1) * kRowPitch, width() - 2, kCellHeight);
        painter.drawText(cell, Qt::AlignCenter, FromCore(column_.Cell(row)));
    }
}

void AnalyserConditions::mousePressEvent(QMouseEvent* event) {
    const int row = event->position().toPoint().y() / kRowPitch + 1;
    if (column_.Cell(row).empty()) return;
    if (onRowSelected) onRowSelected(row);
    if (event->button() == Qt::RightButton) list_->Open(row, event->globalPosition().toPoint());
}

}  // namespace ovis::gui
