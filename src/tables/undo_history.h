#pragma once
// UndoHistory: the 15 undo levels of one table editor. Each level holds a copy of the rows with
// their count and, for tables that need it, extra state taken with them (the I/O editor keeps the
// terminal designations there). Storage for all levels is allocated once.
//
// Clearing sets the level counter to 0 at once and leaves the blanking of the stored levels to a
// worker thread. The worker and every access of the editor share one lock, and the worker blanks
// only levels that are not in use, so a snapshot taken while it runs is never overwritten.
#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "project/record_table.h"

namespace ovis {

inline constexpr int kUndoLevels = 15;

// Extra state of tables whose snapshots hold only their rows.
struct NoExtra {};

template <FileRecord Record, typename Extra = NoExtra, std::size_t Capacity = kMaxTableRows>
class UndoHistory {
public:
    UndoHistory() {
        for (auto& level : levels_) level.rows.resize(Capacity);
    }
    ~UndoHistory() { JoinWorker(); }
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // The level counter, 0 (nothing to undo) to 15.
    int Levels() const {
        std::lock_guard lock(mutex_);
        return counter_;
    }
    bool CanUndo() const { return Levels() > 0; }
    bool EmptyAtFirstSnapshot() const {
        std::lock_guard lock(mutex_);
        return emptyAtFirstSnapshot_;
    }

    // Stores the rows in use and the extra state as the newest level. With all 15 levels in
    // use the oldest one is dropped.
    void Snapshot(std::span<const Record> rows, const Extra& extra) {
        std::lock_guard lock(mutex_);
        if (counter_ < kUndoLevels) {
            if (counter_ == 0) emptyAtFirstSnapshot_ = rows.empty();
            ++counter_;
        } else {
            oldest_ = (oldest_ + 1) % kUndoLevels;
            emptyAtFirstSnapshot_ = false;  // the level it described is gone
        }
        Level& level = levels_[Slot(counter_)];
        std::copy(rows.begin(), rows.end(), level.rows.begin());
        level.count = rows.size();
        level.extra = extra;
    }

    // Replaces one row of the newest level; used when an inline edit is finished, so that the
    // level holds the row as it was before the edit.
    void PatchNewestRow(std::size_t index, const Record& record) {
        std::lock_guard lock(mutex_);
        if (counter_ == 0) return;
        Level& level = levels_[Slot(counter_)];
        if (index < level.count) level.rows[index] = record;
    }

    struct UndoResult {
        bool undone = false;
        bool toEmptyTable = false;  // the first change was made to an empty table
    };

    // Puts the newest level back into the table and the extra state and drops it.
    UndoResult Undo(RecordTable<Record>& table, Extra& extra) {
        std::lock_guard lock(mutex_);
        if (counter_ == 0) return {};
        UndoResult result{true, false};
        const Level& level = levels_[Slot(counter_)];
        table.Assign(std::span<const Record>(level.rows.data(), level.count));
        extra = level.extra;
        if (counter_ == 1 && emptyAtFirstSnapshot_) {
            emptyAtFirstSnapshot_ = false;
            table.SetCount(0);
            result.toEmptyTable = true;
        }
        --counter_;
        return result;
    }

    // Hands the newest level's rows to `restore` and drops the level; false when there is none.
    template <typename Restore>
    bool Pop(Restore&& restore) {
        std::lock_guard lock(mutex_);
        if (counter_ == 0) return false;
        const Level& level = levels_[Slot(counter_)];
        restore(std::span<const Record>(level.rows.data(), level.count));
        --counter_;
        return true;
    }

    // Empties the history: the counter drops to 0 now, a worker blanks the first `blankRows`
    // rows of every level not in use again by then.
    void Clear(std::size_t blankRows = Capacity) {
        JoinWorker();
        {
            std::lock_guard lock(mutex_);
            counter_ = 0;
            emptyAtFirstSnapshot_ = false;
        }
        blankRows = std::min(blankRows, Capacity);
        worker_ = std::thread([this, blankRows] { BlankUnusedLevels(blankRows); });
    }

    // Waits until the worker of the last Clear has ended.
    void WaitForWorker() { JoinWorker(); }

    // Called by the worker after each level it has blanked or skipped, outside the lock.
    void SetWorkerStepObserver(std::function<void(int slot)> observer) { stepObserver_ = std::move(observer); }

    // Row `index` of level `level` (1 = oldest), for tests and diagnostics.
    Record StoredRow(int level, std::size_t index) const {
        std::lock_guard lock(mutex_);
        return levels_[Slot(level)].rows.at(index);
    }

private:
    struct Level {
        std::vector<Record> rows;
        std::size_t count = 0;
        Extra extra{};
    };

    // The storage slot of level 1..15; the levels form a ring so that dropping the oldest
    // moves no data.
    std::size_t Slot(int level) const { return (oldest_ + std::size_t(level) - 1) % kUndoLevels; }

    bool SlotInUse(std::size_t slot) const {
        return (slot + kUndoLevels - oldest_) % kUndoLevels < std::size_t(counter_);
    }

    void BlankUnusedLevels(std::size_t blankRows) {
        for (int slot = kUndoLevels - 1; slot >= 0; --slot) {
            {
                std::lock_guard lock(mutex_);
                if (!SlotInUse(std::size_t(slot))) {
                    Level& level = levels_[std::size_t(slot)];
                    std::fill_n(level.rows.begin(), blankRows, Record{});
                    level.count = 0;
                    level.extra = Extra{};
                }
            }
            if (stepObserver_) stepObserver_(slot);
        }
    }

    void JoinWorker() {
        if (worker_.joinable()) worker_.join();
    }

    std::array<Level, kUndoLevels> levels_;
    std::size_t oldest_ = 0;
    int counter_ = 0;
    bool emptyAtFirstSnapshot_ = false;
    mutable std::mutex mutex_;
    std::function<void(int)> stepObserver_;
    std::thread worker_;
};

}  // namespace ovis
