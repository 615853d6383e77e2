#include "tables/undo_history.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "project/io_records.h"

namespace ovis {
namespace {

using Table = RecordTable<TIoRecord>;

TIoRecord Named(const std::string& name) {
    TIoRecord row{};
    row.Bezeichnung = name;
    return row;
}

std::vector<std::string> Names(const Table& table) {
    std::vector<std::string> names;
    for (const auto& row : table.Rows()) names.push_back(row.Bezeichnung.str());
    return names;
}

TEST(UndoHistory, KeepsTheNewestFifteenLevels) {
    Table table;
    UndoHistory<TIoRecord> history;
    NoExtra extra;
    for (int change = 1; change <= 16; ++change) {
        history.Snapshot(table.Rows(), extra);
        table.Append(Named("M" + std::to_string(change)));
    }
    EXPECT_EQ(history.Levels(), 15);
    for (int undo = 15; undo >= 1; --undo) {
        ASSERT_TRUE(history.Undo(table, extra).undone);
        EXPECT_EQ(table.Count(), std::size_t(undo)) << "each undo returns to the rows before one change";
    }
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(Names(table), std::vector<std::string>{"M1"}) << "the first change can no longer be undone";
    EXPECT_FALSE(history.Undo(table, extra).undone);
}

TEST(UndoHistory, FirstChangeOfAnEmptyTableUndoesToEmpty) {
    Table table;
    UndoHistory<TIoRecord> history;
    NoExtra extra;
    history.Snapshot(table.Rows(), extra);
    EXPECT_TRUE(history.EmptyAtFirstSnapshot());
    table.Append(Named("A"));
    auto result = history.Undo(table, extra);
    EXPECT_TRUE(result.toEmptyTable);
    EXPECT_EQ(table.Count(), 0u);
}

TEST(UndoHistory, EmptyTableInALaterLevelDoesNotEmptyTheFirstLevel) {
    Table table;
    table.Append(Named("A"));
    table.Append(Named("B"));
    UndoHistory<TIoRecord> history;
    NoExtra extra;
    history.Snapshot(table.Rows(), extra);  // level 1: A, B
    table.SetCount(0);
    history.Snapshot(table.Rows(), extra);  // level 2: empty
    table.Append(Named("C"));
    history.Undo(table, extra);
    EXPECT_EQ(table.Count(), 0u);
    auto result = history.Undo(table, extra);
    EXPECT_FALSE(result.toEmptyTable);
    EXPECT_EQ(Names(table), (std::vector<std::string>{"A", "B"}));
}

TEST(UndoHistory, ExtraStateTravelsWithItsLevel) {
    Table table;
    UndoHistory<TIoRecord, int> history;
    int extra = 7;
    history.Snapshot(table.Rows(), extra);
    extra = 8;
    history.Undo(table, extra);
    EXPECT_EQ(extra, 7);
}

TEST(UndoHistory, ClearingBlanksTheStoredLevels) {
    Table table;
    table.Append(Named("geheim"));
    UndoHistory<TIoRecord> history;
    history.Snapshot(table.Rows(), {});
    history.Clear();
    EXPECT_FALSE(history.CanUndo()) << "the counter drops at once";
    history.WaitForWorker();
    EXPECT_TRUE(history.StoredRow(1, 0).Bezeichnung.empty());
}

// The worker is held after its first level; snapshots taken meanwhile must survive it.
TEST(UndoHistory, RunningWorkerNeverOverwritesNewSnapshots) {
    Table table;
    UndoHistory<TIoRecord> history;
    for (int i = 0; i < 15; ++i) {
        table.Append(Named("alt " + std::to_string(i)));
        history.Snapshot(table.Rows(), {});
    }

    std::mutex m;
    std::condition_variable cv;
    bool workerPaused = false, resume = false;
    int steps = 0;
    history.SetWorkerStepObserver([&](int) {
        std::unique_lock lock(m);
        if (++steps != 1) return;
        workerPaused = true;
        cv.notify_all();
        cv.wait(lock, [&] { return resume; });
    });
    history.Clear();
    {
        std::unique_lock lock(m);
        cv.wait(lock, [&] { return workerPaused; });
    }
    table.SetCount(0);
    for (int i = 0; i < 14; ++i) {
        table.Append(Named("neu " + std::to_string(i)));
        history.Snapshot(table.Rows(), {});
    }
    {
        std::lock_guard lock(m);
        resume = true;
    }
    cv.notify_all();
    history.WaitForWorker();

    ASSERT_EQ(history.Levels(), 14);
    for (int level = 1; level <= 14; ++level) {
        for (int row = 0; row < level; ++row)
            ASSERT_EQ(history.StoredRow(level, std::size_t(row)).Bezeichnung.str(), "neu " + std::to_string(row))
                << "level " << level << " row " << row;
    }
    for (int level = 14; level >= 1; --level) {
        NoExtra extra;
        ASSERT_TRUE(history.Undo(table, extra).undone);
        EXPECT_EQ(table.Count(), std::size_t(level));
    }
}

}  // namespace
}  // namespace ovis
