#pragma once
// The I/O terminal plan report: every row of the I/O table with the columns of its editor.
#include <string>
#include <string_view>

#include "project/io_tables.h"
#include "project/parameter_record.h"
#include "reports/report_model.h"

namespace ovis {

// "Anschlussplan               Projekt: " + the project's name.
std::string IoReportTitle(std::string_view projectName);

// `projectName` and `date` are UTF-8; the rows' names are record bytes.
Report IoReport(const IoTable& io, const TParameterRecord& parameters, std::string_view projectName,
                std::string_view date);

}  // namespace ovis
