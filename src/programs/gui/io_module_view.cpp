#include "programs/gui/io_module_view.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "platform/gui/text_conversion.h"
#include "tables/gui/grid_font.h"
#include "tables/gui/table_grid.h"

namespace ovis::gui {
namespace {

constexpr int kLabelWidth = 40;
constexpr int kDesignationWidth = 168;

}  // namespace

IoModuleView::IoModuleView(QWidget* parent) : QWidget(parent) {
    const QFont small = GridFont(font());
    auto* moduleCaption = new QLabel(QStringLiteral("Modul"), this);
    position_ = new QLabel(this);
    type_ = new QLabel(this);
    for (QLabel* label : {moduleCaption, position_, type_}) label->setFont(small);
    position_->setFrameShape(QFrame::Panel);
    position_->setFrameShadow(QFrame::Sunken);
    position_->setAlignment(Qt::AlignCenter);
    position_->setFixedWidth(28);

    lines_ = new QTableWidget(kTerminalLines, 2, this);
    lines_->setFont(small);
    lines_->horizontalHeader()->hide();
    lines_->verticalHeader()->hide();
    lines_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lines_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    lines_->setColumnWidth(0, ScaledWidth(kLabelWidth, small));
    lines_->setColumnWidth(1, ScaledWidth(kDesignationWidth, small));
    lines_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lines_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lines_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lines_->setSelectionMode(QAbstractItemView::NoSelection);
    lines_->setFocusPolicy(Qt::NoFocus);
    lines_->setFixedSize(lines_->columnWidth(0) + lines_->columnWidth(1) + 2 * lines_->frameWidth(),
                         kTerminalLines * kGridRowHeight + 2 * lines_->frameWidth());
    for (int line = 0; line < kTerminalLines; ++line)
        for (int column = 0; column < 2; ++column) lines_->setItem(line, column, new QTableWidgetItem);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(moduleCaption, 0, 0);
    layout->addWidget(position_, 0, 1);
    layout->addWidget(type_, 0, 2);
    layout->setColumnStretch(2, 1);
    layout->addWidget(lines_, 1, 0, 1, 3);
    layout->setRowStretch(2, 1);
}

void IoModuleView::Show(const std::optional<ReferencePages::IoModule>& module) {
    position_->setText(module ? QString::fromStdString(module->position) : QString());
    type_->setText(module ? QString::fromStdString(module->type) : QString());
    for (int line = 0; line < kTerminalLines; ++line) {
        const TerminalPanel::Line* shown = module ? &module->lines[std::size_t(line)] : nullptr;
        lines_->item(line, 0)->setText(shown ? QString::fromStdString(shown->label) : QString());
        lines_->item(line, 1)->setText(shown ? FromRecord(shown->designation) : QString());
    }
}

}  // namespace ovis::gui
