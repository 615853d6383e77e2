#include "programs/selection_page.h"

#include <gtest/gtest.h>

#include <fstream>

#include "programs/program_columns.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

namespace col = program_column;

struct Programs {
    test::TempDir project;
    SelectionPage page;

    Programs() {
        std::filesystem::create_directories(project.path() / kProgramsFolder);
        Write("Main", {});
        Write("Neben", {"Summer", "Hupe"});
        Write("Zusatz", {"Licht"});
        page.SetList(ProgramList(project.path()), project.path());
    }
    void Write(const std::string& name, std::initializer_list<const char*> lineNames) {
        ProgramTable table;
        for (const char* lineName : lineNames) {
            TProgrammLine line{};
            line.Bezeichnung = lineName;
            line.Logik = "TRUE";
            line.Einheit = "Milli";
            line.Order = "NONE";
            table.Append(line);
        }
        table.Save(ProgramFilePath(project.path(), name));
    }
};

TEST(SelectionPage, TheListHasAtLeastNineRowsWithMainFirst) {
    Programs p;
    EXPECT_EQ(p.page.ListRows(), 9);
    EXPECT_EQ(p.page.ListCellText(0, 0), "001");
    EXPECT_EQ(p.page.ListCellText(0, 1), "Main");
    EXPECT_EQ(p.page.ListCellText(2, 1), "Zusatz");
    EXPECT_EQ(p.page.ListCellText(1, 2), " 5 KB");
    EXPECT_EQ(p.page.ListCellText(3, 1), "");
    EXPECT_EQ(p.page.SelectedName(), "");
    EXPECT_EQ(p.page.CopiedName(false), std::nullopt);
}

TEST(SelectionPage, TheSelectedProgramIsPreviewedAndItsNamesCopied) {
    Programs p;
    p.page.Select(1, p.project.path());
    EXPECT_EQ(p.page.SelectedName(), "Neben");
    ReadOnlyTable& preview = p.page.Preview();
    EXPECT_EQ(preview.ColumnCount(), col::kCount);
    EXPECT_EQ(preview.RowCount(), 2u);
    EXPECT_EQ(preview.CellText(1, col::kName), "Hupe");
    EXPECT_EQ(preview.CellText(0, col::kLogic), "   TRUE");

    EXPECT_EQ(p.page.CopiedName(false), "Neben");
    preview.Press(MouseButton::Left, 1, col::kName);
    EXPECT_EQ(p.page.CopiedName(true), "Hupe");

    // A row beyond the list selects nothing.
    p.page.Select(5, p.project.path());
    EXPECT_EQ(p.page.SelectedName(), "Neben");
}

TEST(SelectionPage, ProgramNamesAreFileNamesAndCopiedAsRecordBytes) {
    Programs p;
    p.Write("L\xC3\xBC" "ftung", {"Abluft"});   // UTF-8 on disk
    p.Write("\xCE\xA9" "hm", {});                // a letter code page 1252 lacks
    p.page.SetList(ProgramList(p.project.path()), p.project.path());
    auto rowOf = [&](const std::string& name) {
        for (int row = 0; row < p.page.ListRows(); ++row)
            if (p.page.ListCellText(row, 1) == name) return row;
        return -1;
    };
    const int fan = rowOf("L\xC3\xBC" "ftung");
    ASSERT_GT(fan, 0);
    p.page.Select(fan, p.project.path());
    EXPECT_EQ(p.page.SelectedName(), "L\xC3\xBC" "ftung");
    EXPECT_EQ(p.page.Preview().CellText(0, col::kName), "Abluft");
    EXPECT_EQ(p.page.CopiedName(false), "L\xFC" "ftung");
    const int ohm = rowOf("\xCE\xA9" "hm");
    ASSERT_GT(ohm, 0);
    p.page.Select(ohm, p.project.path());
    EXPECT_EQ(p.page.CopiedName(false), std::nullopt);
}

TEST(SelectionPage, AfterADeleteTheSelectionMovesUpWhenItFellOffTheEnd) {
    Programs p;
    p.page.Select(2, p.project.path());
    std::filesystem::remove(ProgramFilePath(p.project.path(), "Zusatz"));
    p.page.SetList(ProgramList(p.project.path()), p.project.path());
    EXPECT_EQ(p.page.SelectedRow(), 1u);
    EXPECT_EQ(p.page.SelectedName(), "Neben");
    EXPECT_EQ(p.page.Preview().RowCount(), 2u);
}

TEST(SelectionPage, ADamagedProgramIsNotPreviewed) {
    Programs p;
    std::ofstream(ProgramFilePath(p.project.path(), "Neben"), std::ios::binary) << "kaputt";
    p.page.Select(1, p.project.path());
    EXPECT_EQ(p.page.SelectedName(), "Neben");
    EXPECT_EQ(p.page.Preview().RowCount(), 0u);
}

}  // namespace
}  // namespace ovis
