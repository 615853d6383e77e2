// PDF files of reports through Qt on the offscreen platform, so that no display is needed.
#include "cli/qt/offscreen_gui_application.h"
#include "cli/report_pdf.h"
#include "reports/gui/analyser_picture_image.h"
#include "reports/gui/report_painter.h"

namespace ovis::cli {
namespace {

class QtReportPdfWriter final : public ReportPdfWriter {
public:
    std::optional<std::vector<std::uint8_t>> Pdf(const Report& report) override {
        const auto pdf = gui::ReportPdf(report);
        if (!pdf) return std::nullopt;
        return std::vector<std::uint8_t>(pdf->begin(), pdf->end());
    }
    ReportPicture AnalyserPicture(const AnalyserPrintPicture& picture) override {
        return gui::AnalyserPictureImage(picture);
    }

private:
    OffscreenGuiApplication application_;
};

}  // namespace

std::unique_ptr<ReportPdfWriter> OpenReportPdfWriter() { return std::make_unique<QtReportPdfWriter>(); }

}  // namespace ovis::cli
