#include "led/gui/Zel_Modulzuordnung.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ovis::gui {

TFormModToMod::TFormModToMod(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Modulzuordnung"));
    list_ = new QTableWidget(0, 1, this);
    list_->setHorizontalHeaderLabels({QStringLiteral("Modul")});
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setMinimumHeight(220);
    standard_ = new QPushButton(QStringLiteral("Standard"), this);
    apply_ = new QPushButton(QStringLiteral("Übernehmen"), this);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(standard_, &QPushButton::clicked, this, [this] {
        assignment_->Standard();
        Fill();
    });
    connect(apply_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(standard_);
    buttons->addStretch();
    buttons->addWidget(apply_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
}

void TFormModToMod::Show(const ModuleAssignment& assignment) {
    assignment_ = assignment;
    Fill();
}

std::optional<ModuleAssignment> TFormModToMod::Edit(const ModuleAssignment& assignment) {
    Show(assignment);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return assignment_;
}

void TFormModToMod::Fill() {
    list_->setRowCount(assignment_->Positions());
    QStringList positions;
    for (int p = 1; p <= assignment_->Positions(); ++p) {
        positions << QString::fromStdString(ModuleAssignment::PositionText(p));
        auto* number = new QSpinBox(list_);
        number->setRange(0, 255);
        number->setValue(assignment_->Number(p));
        connect(number, &QSpinBox::valueChanged, this, [this, p](int value) { assignment_->SetNumber(p, value); });
        list_->setCellWidget(p - 1, 0, number);
    }
    list_->setVerticalHeaderLabels(positions);
}

}  // namespace ovis::gui
