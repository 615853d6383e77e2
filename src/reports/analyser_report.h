#pragma once
// The report of the analyser's picture: the header line with project, file and division, and the
// picture drawn in memory.
#include <string>
#include <string_view>

#include "reports/report_model.h"

namespace ovis {

inline constexpr const char* kAnalyserPreviewFailed =
    "Achtung: Bei der Erstellung der Druckvorschau ist ein Fehler entstanden. Bitte starten Sie das Programm neu!!!";

// "Analyser             Projekt: P             Datei: F             Einteilung: D".
std::string AnalyserReportHeader(std::string_view projectName, std::string_view fileName,
                                 std::string_view divisionName);

// All texts UTF-8.
Report AnalyserReport(ReportPicture picture, std::string_view projectName, std::string_view fileName,
                      std::string_view divisionName, std::string_view date);

}  // namespace ovis
