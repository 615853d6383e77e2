#include "reports/program_report.h"

#include "programs/program_columns.h"
#include "programs/program_texts.h"
#include "records/blanks.h"
#include "records/codepage.h"

namespace ovis {
namespace {

struct ProgramReportColumn {
    int column;  // program_columns.h
    ReportColumn layout;
};

const std::vector<ProgramReportColumn>& Columns() {
    namespace col = program_column;
    using A = ReportAlign;
    static const std::vector<ProgramReportColumn> columns{
        {col::kNumber, {"Nr", 4, false, A::Right}},      {col::kName, {"Meldung", 16, true, A::Left}},
        {col::kOperandA, {"Meldung A", 16, true, A::Left}}, {col::kLogic, {"Logik", 7, false, A::Left}},
        {col::kOperandB, {"Meldung B", 16, true, A::Left}}, {col::kDelay, {"Wert", 6, false, A::Right}},
        {col::kUnit, {"Einheit", 7, false, A::Left}},     {col::kOrder, {"Order", 7, false, A::Left}},
        {col::kTarget, {"Meldung C", 16, true, A::Left}},
    };
    return columns;
}

}  // namespace

std::string ProgramReportTitle(std::string_view programName) { return "Programm: " + std::string(programName); }

Report ProgramReport(const ProgramTable& lines, std::string_view programName, std::string_view projectName,
                     std::string_view date) {
    Report report;
    report.title = ProgramReportTitle(programName);
    report.headerLine = std::to_string(lines.Count()) + (lines.Count() == 1 ? " Zeile" : " Zeilen");
    report.project = std::string(projectName);
    report.date = std::string(date);
    report.orientation = ReportOrientation::Landscape;

    ReportTable table;
    for (const ProgramReportColumn& column : Columns()) table.columns.push_back(column.layout);
    for (std::size_t r = 0; r < lines.Count(); ++r) {
        std::vector<std::string> cells;
        for (const ProgramReportColumn& column : Columns()) {
            if (column.column == program_column::kNumber) {
                cells.push_back(std::to_string(r + 1));
                continue;
            }
            const std::string text = ToUtf8(ProgramCellText(lines.Row(r), column.column));
            const bool name = program_column::IsOperandColumn(column.column) || column.column == program_column::kName;
            cells.push_back(name ? text : std::string(TrimBlanks(text)));
        }
        table.rows.push_back(std::move(cells));
    }
    report.blocks.emplace_back(std::move(table));
    return report;
}

}  // namespace ovis
