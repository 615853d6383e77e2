#pragma once
// PDF files of reports for `ovisctl report`: drawn with Qt (offscreen) when ovisctl was built
// with Qt, absent in a core-only build.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "evaluation/analyser_print_picture.h"
#include "reports/report_model.h"

namespace ovis::cli {

class ReportPdfWriter {
public:
    virtual ~ReportPdfWriter() = default;
    // The PDF document of a report; nothing when it could not be drawn.
    virtual std::optional<std::vector<std::uint8_t>> Pdf(const Report& report) = 0;
    // The analyser's printed picture drawn in memory; width 0 when it could not be drawn.
    virtual ReportPicture AnalyserPicture(const AnalyserPrintPicture& picture) = 0;
};

// Nothing when this build of ovisctl draws no PDF files.
std::unique_ptr<ReportPdfWriter> OpenReportPdfWriter();

}  // namespace ovis::cli
