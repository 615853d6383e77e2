#include "reports/analyser_report.h"

namespace ovis {

std::string AnalyserReportHeader(std::string_view projectName, std::string_view fileName,
                                 std::string_view divisionName) {
    constexpr std::string_view gap = "             ";
    std::string header = "Analyser" + std::string(gap) + "Projekt: " + std::string(projectName);
    header += std::string(gap) + "Datei: " + std::string(fileName);
    header += std::string(gap) + "Einteilung: " + std::string(divisionName);
    return header;
}

Report AnalyserReport(ReportPicture picture, std::string_view projectName, std::string_view fileName,
                      std::string_view divisionName, std::string_view date) {
    Report report;
    report.title = "Analyser";
    report.headerLine = AnalyserReportHeader(projectName, fileName, divisionName);
    report.project = std::string(projectName);
    report.date = std::string(date);
    // Upright the picture fits below the header on the first page.
    report.orientation = ReportOrientation::Portrait;
    report.blocks.emplace_back(std::move(picture));
    return report;
}

}  // namespace ovis
