// The print preview and the PDF drawing of reports (offscreen). With OVIS_SCREENSHOT_DIR set,
// the preview is saved there as a picture.
#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>

#include "reports/gui/report_painter.h"
#include "reports/gui/report_preview.h"
#include "reports/io_report.h"
#include "reports/report_layout.h"
#include "support/scripted_dialogs.h"
#include "tables/io_fixture.h"

using namespace ovis;
using namespace ovis::gui;

namespace {

// A terminal plan of `rows` rows, one in ten with a name of 255 characters.
Report PlanOf(std::size_t rows) {
    test::IoProject project;
    std::vector<TIoRecord> records;
    for (std::size_t r = 0; r < rows; ++r)
        records.push_back(test::IoRow(r % 10 == 3 ? std::string(255, 'W') : "Meldung " + std::to_string(r + 1),
                                      int(r / 16) % 7 + 1, kUpperRow, "DC", {{int(r % 8) + 1, "High"}}));
    project.tables->io.Assign(records);
    return IoReport(project.tables->io, project.tables->parameters.Record(), "Anlage", "11.12.2026");
}

void SaveScreenshot(QWidget& widget, const QString& name) {
    const QString dir = qEnvironmentVariable("OVIS_SCREENSHOT_DIR");
    if (!dir.isEmpty()) QVERIFY(widget.grab().save(QDir(dir).filePath(name)));
}

}  // namespace

class ReportPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void previewShowsEveryPageInTheReportsOrientation() {
        test::ScriptedDialogs dialogs;
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        Report report = PlanOf(250);
        std::unique_ptr<QPrintPreviewDialog> dialog(CreateReportPreview(report, printer, dialogs, nullptr));
        dialog->resize(900, 1000);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        QVERIFY(preview);
        QTRY_VERIFY(preview->pageCount() > 3);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Druckvorschau - Anschlussplan               Projekt: Anlage"));
        QVERIFY(dialogs.boxes.empty());
        SaveScreenshot(*dialog, QStringLiteral("preview_250_rows.png"));

        report.orientation = ReportOrientation::Landscape;
        std::unique_ptr<QPrintPreviewDialog> landscape(CreateReportPreview(report, printer, dialogs, nullptr));
        landscape->show();
        QVERIFY(QTest::qWaitForWindowExposed(landscape.get()));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QTRY_VERIFY(landscape->findChild<QPrintPreviewWidget*>()->pageCount() > preview->pageCount());
    }

    void pdfIsADocument() {
        const auto pdf = ReportPdf(PlanOf(250));
        QVERIFY(pdf);
        QVERIFY(pdf->startsWith("%PDF-"));
        // One page object per page of the layout.
        QCOMPARE(int(pdf->count("/Type /Page\n")), int(LayoutReport(PlanOf(250), kA4Portrait).pages.size()));
    }

    void pdfCarriesPictures() {
        Report report;
        report.title = "Analyser";
        report.blocks.emplace_back(ReportPicture{2, 2, {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000}});
        const auto pdf = ReportPdf(report);
        QVERIFY(pdf);
        QVERIFY(pdf->contains("/Subtype /Image"));
    }
};

QTEST_MAIN(ReportPreviewTest)
#include "report_preview_test.moc"
