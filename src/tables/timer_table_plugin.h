#pragma once
// The timer table's part of the shared table editor: its four columns, the time a picker shows
// in the selected rows while it is changed, new rows from the clock, change test, checks and
// file ("Timer.ofd").
#include <functional>
#include <optional>

#include "platform/clock.h"
#include "project/message_tables.h"
#include "tables/table_plugin.h"

namespace ovis {

class ProjectStore;

inline constexpr const char* kNewTimerRowName = "Timer - Meldung";

class TimerTablePlugin final : public TablePlugin<TTimerRecord> {
public:
    TimerTablePlugin(ProjectStore& store, const Clock& clock);

    using TablePlugin::Rows;
    Table& Rows() override;
    int ColumnCount() const override;
    std::string CellText(std::size_t row, int column) const override;
    CellAction ClickAction(MouseButton button, int column) const override;
    TTimerRecord NewRow(const TTimerRecord* firstSelected, std::size_t position) const override;
    bool Changed() const override;
    std::optional<CheckFailure> ValidateForSave() override;
    void Write() override;
    TableLoadResult Reload() override;
    std::string FileName() const override { return kTimerFileName; }
    std::string ProjectName() const override;
    void Saved() override;

    // Rows `first` to `last` show `time` (hh:mm:ss) in the time column instead of their own.
    void ShowTime(std::size_t first, std::size_t last, std::string time);
    void StopShowingTime() { shownTime_.reset(); }

    // Called after every successful save (the program editor refreshes its list of timers).
    void SetSavedCallback(std::function<void()> callback) { saved_ = std::move(callback); }

private:
    struct ShownTime {
        std::size_t first = 0, last = 0;
        std::string time;
    };

    ProjectStore& store_;
    const Clock& clock_;
    std::optional<ShownTime> shownTime_;
    std::function<void()> saved_;
};

}  // namespace ovis
