// The report of a program: unit only with a value, order only when not "NONE".
#include <gtest/gtest.h>

#include <memory>

#include "programs/program_lines.h"
#include "records/codepage.h"
#include "reports/program_report.h"

namespace ovis {
namespace {

TEST(ProgramReport, LinesWithUnitOnlyForAValueAndOrderOnlyWhenSet) {
    auto lines = std::make_unique<ProgramTable>();
    const TProgrammLine rows[] = {
        test::Line(RecordText("Tür offen"), "Meldung 1", "AND NOT", "Meldung 2", "NONE", "", 500, "Milli"),
        test::Line(RecordText("Lüfter Störung"), RecordText("Lüfter an"), "AND NOT", "Meldung 5", "SET", RecordText("Türalarm"), 0, "Milli"),
        test::Line("Sprung", "Netz", "TRUE", "", "GOTO", RecordText("Tür offen"), 2, "Std"),
    };
    lines->Assign(std::span<const TProgrammLine>(rows));
    const Report report = ProgramReport(*lines, "Lüftung", "Anlage", "01.02.2026");
    EXPECT_EQ(report.title, "Programm: Lüftung");
    EXPECT_EQ(report.orientation, ReportOrientation::Landscape);
    const auto& table = std::get<ReportTable>(report.blocks.at(0));
    std::vector<std::string> titles;
    for (const ReportColumn& column : table.columns) titles.push_back(column.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Nr", "Meldung", "Meldung A", "Logik", "Meldung B", "Wert", "Einheit",
                                                "Order", "Meldung C"}));
    using Row = std::vector<std::string>;
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0], (Row{"1", "Tür offen", "Meldung 1", "AND NOT", "Meldung 2", "500", "Milli", "", ""}));
    EXPECT_EQ(table.rows[1], (Row{"2", "Lüfter Störung", "Lüfter an", "AND NOT", "Meldung 5", "0", "", "SET", "Türalarm"}));
    EXPECT_EQ(table.rows[2], (Row{"3", "Sprung", "Netz", "TRUE", "", "2", "Std", "GOTO", "Tür offen"}));
}

}  // namespace
}  // namespace ovis
