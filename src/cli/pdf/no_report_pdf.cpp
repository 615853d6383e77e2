// PDF files of reports in a build without Qt: none.
#include "cli/report_pdf.h"

namespace ovis::cli {

std::unique_ptr<ReportPdfWriter> OpenReportPdfWriter() { return nullptr; }

}  // namespace ovis::cli
