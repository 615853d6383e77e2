#include "reports/gui/report_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

#include "platform/dialogs.h"
#include "reports/gui/report_painter.h"
#include "reports/report_messages.h"

namespace ovis::gui {

QPrintPreviewDialog* CreateReportPreview(const Report& report, QPrinter& printer, Dialogs& dialogs, QWidget* parent) {
    printer.setPageOrientation(report.orientation == ReportOrientation::Landscape ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QString::fromUtf8(report.title));
    auto* dialog = new QPrintPreviewDialog(&printer, parent);
    dialog->setWindowTitle(QStringLiteral("Druckvorschau - ") + QString::fromUtf8(report.title));
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [report, &dialogs](QPrinter* target) {
                         if (!PaintReport(*target, report)) dialogs.Warning(kReportFailed);
                     });
    return dialog;
}

void ShowReportPreview(const Report& report, QPrinter& printer, Dialogs& dialogs, QWidget* parent) {
    std::unique_ptr<QPrintPreviewDialog> dialog(CreateReportPreview(report, printer, dialogs, parent));
    dialog->exec();
}

}  // namespace ovis::gui
