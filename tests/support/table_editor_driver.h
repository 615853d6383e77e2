#pragma once
// Drives a table editor model with the mouse as the grid would: row selection by press, drag and
// release, and a chooser item picked after a right click.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tables/table_editor_model.h"

namespace ovis::test {

template <class Editor>
void SelectRows(Editor& ed, int top, int bottom, int column) {
    ed.Press(MouseButton::Left, top, column);
    if (bottom != top) ed.DragTo(bottom, column);
    ed.Release(bottom, column);
}

template <class Editor>
void PickChooserItem(Editor& ed, int row, int column, const std::string& item) {
    ASSERT_EQ(ed.Press(MouseButton::Right, row, column), CellAction::Chooser);
    const auto items = ed.ChooserItems(column);
    const auto found = std::find(items.begin(), items.end(), item);
    ASSERT_NE(found, items.end()) << item;
    ed.ApplyChooser(column, std::size_t(found - items.begin()));
}

}  // namespace ovis::test
