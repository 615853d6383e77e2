#pragma once
// The printer of all reports, chosen with "Druckereinrichtung".
class QPrinter;

namespace ovis::gui {

QPrinter& ReportPrinter();

}  // namespace ovis::gui
