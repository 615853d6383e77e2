#include "programs/read_only_table.h"

#include <gtest/gtest.h>

#include "tables/group_table_plugin.h"
#include "tables/group_fixture.h"

namespace ovis {
namespace {

struct TwoNames {
    std::vector<std::string> names{"Lampe", "Tor"};
    ReadOnlyTable table{3, [this] { return names.size(); },
                        [this](std::size_t row, int column) { return names[row] + "/" + std::to_string(column); }};
};

TEST(ReadOnlyTable, ShowsTheCellTextsOfTheRowsInsideTheTableOnly) {
    TwoNames t;
    EXPECT_EQ(t.table.GridRows(), 21);
    EXPECT_EQ(t.table.CellText(0, 0), "001");
    EXPECT_EQ(t.table.CellText(1, 2), "Tor/2");
    EXPECT_EQ(t.table.CellText(2, 1), "");
    EXPECT_EQ(t.table.CellText(20, 0), "021");
}

TEST(ReadOnlyTable, TheCurrentRowsNameIsWhatKopierenTakes) {
    TwoNames t;
    t.table.Press(MouseButton::Left, 1, 2);
    t.table.Release(1, 2);
    EXPECT_EQ(t.table.CurrentName(), "Tor/1");
    EXPECT_TRUE(t.table.Menu().copyNames);

    // Keys move the cursor; a range is never selected.
    t.table.MoveCursor(0, 1, true);
    EXPECT_EQ(t.table.Selection(), (CellRect{1, 0, 1, 0}));
    EXPECT_EQ(t.table.CurrentName(), "Lampe/1");

    t.table.Press(MouseButton::Left, 5, 1);
    EXPECT_EQ(t.table.CurrentName(), std::nullopt);
    EXPECT_EQ(t.table.Menu(), EditorMenuState{});
}

TEST(ReadOnlyTable, NothingEditsTheRows) {
    TwoNames t;
    EXPECT_EQ(t.table.Press(MouseButton::Right, 0, 1), CellAction::ContextMenu);
    EXPECT_EQ(t.table.Press(MouseButton::Right, 4, 1), CellAction::None);
    EXPECT_EQ(t.table.DoubleClick(0, 1), CellAction::None);
    EXPECT_EQ(t.table.Enter(), CellAction::None);
    t.table.NewMessage();
    t.table.DeleteMessages();
    t.table.EraseNames();
    EXPECT_EQ(t.names.size(), 2u);
    t.table.Press(MouseButton::Left, 0, 1);
    EXPECT_EQ(t.table.Menu(), (EditorMenuState{.copyNames = true}));
    EXPECT_FALSE(t.table.HasUnsavedChanges());
}

TEST(ReadOnlyTable, OfAPluginShowsTheOwningEditorsCells) {
    test::GroupProject project;
    project.SetGroups({test::GroupRow("Alarm", {2, 3})});
    GroupTablePlugin groups(project.store);
    ReadOnlyTable table = ReadOnlyTable::Of(groups);
    ASSERT_EQ(table.ColumnCount(), groups.ColumnCount());
    EXPECT_EQ(table.RowCount(), 1u);
    for (int column = 1; column < groups.ColumnCount(); ++column)
        EXPECT_EQ(table.CellText(0, column), groups.CellText(0, column)) << column;
}

}  // namespace
}  // namespace ovis
