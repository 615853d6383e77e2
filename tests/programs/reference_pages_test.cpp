#include "programs/reference_pages.h"

#include <gtest/gtest.h>

#include <fstream>

#include "evaluation/recording_events.h"

#include "project/output_file_table.h"

#include "tables/counter_timer_fixture.h"

namespace ovis {
namespace {

struct Pages : test::CounterTimerProject {
    Pages() {
        SetCounters({test::CounterRow("Fahrten")});
        SetTimers({test::TimerRow("Morgens")});
    }
    ReferencePages pages{store};

    std::string Select(ProgramPage page, int row) {
        ReadOnlyTable& table = *pages.Table(page);
        table.Press(MouseButton::Left, row, 1);
        table.Release(row, 1);
        return pages.CurrentName(page).value_or("-");
    }
};

TEST(ReferencePages, EachPageCopiesTheNameOfItsCurrentRow) {
    Pages p;
    EXPECT_EQ(p.Select(ProgramPage::Io, 3), "Tor");
    EXPECT_EQ(p.Select(ProgramPage::Groups, 0), "Alarm");
    EXPECT_EQ(p.Select(ProgramPage::Led, 1), "Laufschrift");
    EXPECT_EQ(p.Select(ProgramPage::Counters, 0), "Fahrten");
    EXPECT_EQ(p.Select(ProgramPage::Timers, 0), "Morgens");
    EXPECT_EQ(p.Select(ProgramPage::Timers, 1), "-");
    EXPECT_EQ(p.pages.Table(ProgramPage::Program), nullptr);
    EXPECT_EQ(p.pages.Table(ProgramPage::Selection), nullptr);
}

TEST(ReferencePages, TheReadOnlyPagesShowTheOwningEditorsCells) {
    Pages p;
    TerminalPanel panel(p.tables->parameters, p.tables->signalNames);
    IoTablePlugin io(p.store, panel);
    TimerTablePlugin timers(p.store, p.clock);
    ReadOnlyTable& ioPage = *p.pages.Table(ProgramPage::Io);
    ReadOnlyTable& timerPage = *p.pages.Table(ProgramPage::Timers);
    ASSERT_EQ(ioPage.ColumnCount(), io.ColumnCount());
    for (int column = 1; column < io.ColumnCount(); ++column)
        EXPECT_EQ(ioPage.CellText(0, column), io.CellText(0, column)) << column;
    for (int column = 1; column < timers.ColumnCount(); ++column)
        EXPECT_EQ(timerPage.CellText(0, column), timers.CellText(0, column)) << column;
    EXPECT_EQ(ioPage.CellText(1, 1), "Taster");
}

TEST(ReferencePages, TheIoPageShowsTheModuleOfTheCurrentRow) {
    Pages p;
    EXPECT_EQ(p.pages.CurrentIoModule()->position, "06");  // "Lampe" on the TRANS16
    p.Select(ProgramPage::Io, 1);
    auto module = p.pages.CurrentIoModule();
    ASSERT_TRUE(module);
    EXPECT_EQ(module->position, "01");
    EXPECT_EQ(module->type, "OPTO16");
    EXPECT_FALSE(module->lines[0].label.empty());

    p.tables->io.Row(1).Modul = 15;  // beyond the module ring
    module = p.pages.CurrentIoModule();
    EXPECT_EQ(module->position, "15");
    EXPECT_EQ(module->type, "Modul nicht definiert!");

    p.Select(ProgramPage::Io, 10);
    EXPECT_FALSE(p.pages.CurrentIoModule());
}

TEST(ReferencePages, TheOutputDataPageListsTheOutputFilesReadAnew) {
    Pages p;
    ReadOnlyTable& page = *p.pages.Table(ProgramPage::OutputData);
    EXPECT_EQ(page.RowCount(), 0u);

    const auto folder = OutputFolderPath(p.ProjectDir(Pages::kName), p.tables->parameters.Record());
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Tor auf.ofa", std::ios::binary) << std::string(2000, '\0');
    test::WriteRecordingFile(folder / "Ablauf.ofa", test::CreatedDayFile(1));
    p.pages.ReadOutputFiles();
    ASSERT_EQ(page.RowCount(), 2u);
    EXPECT_EQ(page.CellText(0, 0), "001");
    EXPECT_EQ(page.CellText(0, 1), "Ablauf");
    EXPECT_EQ(page.CellText(1, 1), "Tor auf");
    EXPECT_EQ(page.CellText(1, 3), " 2 KB");
    EXPECT_EQ(page.CellText(1, 2).size(), std::string(" dd.mm.yyyy   hh:mm").size());
    EXPECT_EQ(page.CellText(0, 4), " 01.03.2008   00:00");  // the time of the first message
    EXPECT_EQ(page.CellText(1, 4), " ");                    // no message in the file
    EXPECT_EQ(p.Select(ProgramPage::OutputData, 1), "Tor auf");
}

}  // namespace
}  // namespace ovis
