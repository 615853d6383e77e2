#pragma once
// The report of a program: one row per line with "Nr", "Meldung", "Meldung A", "Logik",
// "Meldung B", "Wert", "Einheit" (only when `Wert` is not 0), "Order" (only when not "NONE") and
// "Meldung C".
#include <string>
#include <string_view>

#include "project/program_files.h"
#include "reports/report_model.h"

namespace ovis {

// "Programm: " + the program's name.
std::string ProgramReportTitle(std::string_view programName);

// `programName`, `projectName` and `date` are UTF-8; the lines' texts are record bytes.
Report ProgramReport(const ProgramTable& lines, std::string_view programName, std::string_view projectName,
                     std::string_view date);

}  // namespace ovis
