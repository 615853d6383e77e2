#include "reports/io_report.h"

#include "records/blanks.h"
#include "records/codepage.h"
#include "tables/io_cell_text.h"
#include "tables/io_columns.h"

namespace ovis {
namespace {

struct IoReportColumn {
    int column;  // io_columns.h
    ReportColumn layout;
    bool trimmed;  // the grid's leading blanks dropped; the report aligns the column itself
};

const std::vector<IoReportColumn>& Columns() {
    using A = ReportAlign;
    static const std::vector<IoReportColumn> columns{
        {io_column::kNumber, {"Nr", 4, false, A::Right}, true},
        {io_column::kName, {"Meldung", 16, true, A::Left}, false},
        {io_column::kModule, {"Modul", 5, false, A::Right}, true},
        {io_column::kTerminal, {"I/O", 11, false, A::Left}, false},
        {io_column::kLevel, {"Pegel", 5, false, A::Left}, true},
        {io_column::kKind, {"Typ", 6, false, A::Left}, true},
        {io_column::kOnDelay, {"Ein-V.", 6, false, A::Right}, true},
        {io_column::kUnit, {"Einheit", 7, false, A::Left}, true},
        {io_column::kOffDelay, {"Aus-V.", 6, false, A::Right}, true},
        {io_column::kRecord, {"Speichern", 15, false, A::Left}, true},
    };
    return columns;
}

}  // namespace

std::string IoReportTitle(std::string_view projectName) {
    return "Anschlussplan               Projekt: " + std::string(projectName);
}

Report IoReport(const IoTable& io, const TParameterRecord& parameters, std::string_view projectName,
                std::string_view date) {
    Report report;
    report.title = IoReportTitle(projectName);
    report.headerLine = std::to_string(io.Count()) + (io.Count() == 1 ? " Meldung" : " Meldungen");
    report.project = std::string(projectName);
    report.date = std::string(date);
    report.orientation = ReportOrientation::Portrait;

    ReportTable table;
    for (const IoReportColumn& column : Columns()) table.columns.push_back(column.layout);
    const std::string folder = parameters.Ordner[kAllMessagesFolder].str();
    for (std::size_t r = 0; r < io.Count(); ++r) {
        const TIoRecord& row = io.Row(r);
        const auto type = IoRowModuleType(parameters, row);
        std::vector<std::string> cells;
        for (const IoReportColumn& column : Columns()) {
            if (column.column == io_column::kNumber) {
                cells.push_back(std::to_string(r + 1));
                continue;
            }
            const std::string text = ToUtf8(IoCellText(row, column.column, type, folder));
            cells.push_back(column.trimmed ? std::string(TrimBlanks(text)) : text);
        }
        table.rows.push_back(std::move(cells));
    }
    report.blocks.emplace_back(std::move(table));
    return report;
}

}  // namespace ovis
