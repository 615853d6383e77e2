// The I/O terminal plan report: its title and the editor's columns of every row.
#include <gtest/gtest.h>

#include "records/codepage.h"
#include "reports/io_report.h"
#include "tables/io_fixture.h"

namespace ovis {
namespace {

const ReportTable& TableOf(const Report& report) { return std::get<ReportTable>(report.blocks.at(0)); }

TEST(IoReport, TitleKeepsItsBlanks) {
    EXPECT_EQ(IoReportTitle("Anlage"), "Anschlussplan               Projekt: Anlage");
}

TEST(IoReport, RowsCarryTheColumnsOfTheEditor) {
    test::IoProject project;
    project.tables->parameters.Record().Ordner[kAllMessagesFolder] = "Alle Meldungen";
    TIoRecord delayed = test::IoRow(RecordText("Tür offen"), 1, kUpperRow, "DC", {{3, "High"}});
    delayed.EinVerzoegerung = 500;
    delayed.Einheit = "Sek";
    TIoRecord relay = test::IoRow("Pumpe", 3, kUpperRow, "Relais", {{2, "Low"}});
    relay.Erfassung = false;
    TIoRecord lower = test::IoRow("Eingang unten", 1, kLowerRow, "DC", {{3, "High"}});
    TIoRecord undefinedModule = test::IoRow("Modul fehlt", 12);
    project.SetRows({delayed, relay, lower, undefinedModule});

    const Report report = IoReport(project.tables->io, project.tables->parameters.Record(), "Anlage", "01.02.2026");
    EXPECT_EQ(report.title, "Anschlussplan               Projekt: Anlage");
    EXPECT_EQ(report.project, "Anlage");
    EXPECT_EQ(report.date, "01.02.2026");
    const ReportTable& table = TableOf(report);
    std::vector<std::string> titles;
    for (const ReportColumn& column : table.columns) titles.push_back(column.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Nr", "Meldung", "Modul", "I/O", "Pegel", "Typ", "Ein-V.", "Einheit",
                                                "Aus-V.", "Speichern"}));
    using Row = std::vector<std::string>;
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[0], (Row{"1", "Tür offen", "1", " I        3", "High", "DC", "500", "Sek", "0", "Alle Meldungen"}));
    EXPECT_EQ(table.rows[1], (Row{"2", "Pumpe", "3", "O       2", "Low", "Relais", "0", "", "0", ""}));
    EXPECT_EQ(table.rows[2][3], " I      11");
    EXPECT_EQ(table.rows[3][3], "");  // no module at position 12
}

TEST(IoReport, AnEmptyTableIsAReportWithoutRows) {
    test::IoProject project;
    project.SetRows({});
    const Report report = IoReport(project.tables->io, project.tables->parameters.Record(), "Anlage", "01.02.2026");
    EXPECT_TRUE(TableOf(report).rows.empty());
    EXPECT_EQ(report.headerLine, "0 Meldungen");
}

}  // namespace
}  // namespace ovis
