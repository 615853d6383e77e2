#include "shell/gui/report_printer.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace ovis::gui {

QPrinter& ReportPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool PrinterSetup(QWidget* parent) {
    QPrintDialog dialog(&ReportPrinter(), parent);
    dialog.setWindowTitle(QStringLiteral("Druckereinrichtung"));
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    for (auto* buttons : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace ovis::gui
