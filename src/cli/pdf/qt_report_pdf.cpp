// PDF files of reports through Qt on the offscreen platform, so that no display is needed.
#include <QGuiApplication>

#include "cli/report_pdf.h"
#include "reports/gui/report_painter.h"

namespace ovis::cli {
namespace {

class QtReportPdfWriter final : public ReportPdfWriter {
public:
    QtReportPdfWriter() : application_(Argc(), Argv()) {}

    std::optional<std::vector<std::uint8_t>> Pdf(const Report& report) override {
        const auto pdf = gui::ReportPdf(report);
        if (!pdf) return std::nullopt;
        return std::vector<std::uint8_t>(pdf->begin(), pdf->end());
    }

private:
    static int& Argc() {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        return argc;
    }
    static char** Argv() {
        static char name[] = "ovisctl";
        static char* argv[] = {name, nullptr};
        return argv;
    }

    QGuiApplication application_;
};

}  // namespace

std::unique_ptr<ReportPdfWriter> OpenReportPdfWriter() { return std::make_unique<QtReportPdfWriter>(); }

}  // namespace ovis::cli
