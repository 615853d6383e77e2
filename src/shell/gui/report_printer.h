#pragma once
// The printer of all reports, chosen with "Druckereinrichtung".
class QPrinter;
class QWidget;

namespace ovis::gui {

QPrinter& ReportPrinter();

// "Druckereinrichtung": the printer set-up dialog, which chooses the printer and its paper and
// prints nothing; its confirming button reads "OK". On OK the choice is the report printer.
bool PrinterSetup(QWidget* parent);

}  // namespace ovis::gui
