#include "shell/gui/report_printer.h"

#include <QPrinter>

namespace ovis::gui {

QPrinter& ReportPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

}  // namespace ovis::gui
