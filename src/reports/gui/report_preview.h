#pragma once
// The German print preview of a report on the report printer, from which the user prints it or,
// through the print dialog, saves it as a PDF file.
#include "reports/report_model.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace ovis {
class Dialogs;
}

namespace ovis::gui {

// The preview dialog of `report` on `printer`, turned to the report's orientation; drawing
// failures show "Fehler !!!". The caller shows it (exec) and deletes it.
QPrintPreviewDialog* CreateReportPreview(const Report& report, QPrinter& printer, Dialogs& dialogs, QWidget* parent);

// Shows the preview modally.
void ShowReportPreview(const Report& report, QPrinter& printer, Dialogs& dialogs, QWidget* parent);

}  // namespace ovis::gui
