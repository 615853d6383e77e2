#include "shell/gui/evaluation_print.h"

#include "evaluation/gui/Zel_Analyser.h"
#include "evaluation/gui/Zel_Statistik.h"
#include "platform/dialogs.h"
#include "reports/analyser_report.h"
#include "reports/gui/analyser_picture_image.h"
#include "reports/gui/report_preview.h"
#include "reports/statistics_report.h"

namespace ovis::gui {

void PrintAnalyser(TFormAnalyser& analyser, const std::filesystem::path& file, const std::string& projectName,
                   const std::string& date, QPrinter& printer, Dialogs& dialogs) {
    ReportPicture picture = AnalyserPictureImage(analyser.PrintPicture());
    if (picture.width == 0) {
        dialogs.Error(kAnalyserPreviewFailed);
        return;
    }
    const int division = analyser.Model().Division();
    const Report report = AnalyserReport(std::move(picture), projectName, file.filename().string(),
                                         kDivisions[std::size_t(division - 1)].Name, date);
    ShowReportPreview(report, printer, dialogs, &analyser);
}

void PrintStatistics(TFormStatistik& window, const std::string& projectName, const std::string& date,
                     QPrinter& printer, Dialogs& dialogs) {
    const StatisticsTab tab = window.CurrentTab();
    const StatisticsResult* result = window.Result(tab);
    if (!StatisticsPrintable(result)) {
        dialogs.Information(kStatisticsNotComputed);
        return;
    }
    const std::string fileName = window.File().filename().string();
    const Report report = StatisticsReport({window.Settings().Record(), tab, window.Unit(), window.ShownNames(),
                                            *result, projectName, fileName, date});
    ShowReportPreview(report, printer, dialogs, &window);
}

}  // namespace ovis::gui
