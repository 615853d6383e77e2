#include "tables/timer_table_plugin.h"

#include "project/project_store.h"
#include "tables/table_save_checks.h"
#include "tables/timer_columns.h"
#include "tables/timer_texts.h"

namespace ovis {
namespace {

namespace col = timer_column;

bool RowsEqual(const TTimerRecord& a, const TTimerRecord& b) {
    return a.Bezeichnung.view() == b.Bezeichnung.view() && a.Datum.view() == b.Datum.view() &&
           a.Uhrzeit.view() == b.Uhrzeit.view() && a.Wochentag.view() == b.Wochentag.view() &&
           a.DatumMaske.view() == b.DatumMaske.view() && a.ZeitMaske.view() == b.ZeitMaske.view();
}

}  // namespace

TimerTablePlugin::TimerTablePlugin(ProjectStore& store, const Clock& clock) : store_(store), clock_(clock) {}

TimerTablePlugin::Table& TimerTablePlugin::Rows() { return store_.Tables().timers; }

int TimerTablePlugin::ColumnCount() const { return col::kCount; }

std::string TimerTablePlugin::CellText(std::size_t index, int column) const {
    const TTimerRecord& row = Rows().Row(index);
    switch (column) {
        case col::kName: return row.Bezeichnung.str();
        case col::kDate: return TimerDateCell(row);
        case col::kTime:
            if (shownTime_ && index >= shownTime_->first && index <= shownTime_->last)
                return TimeCellText(shownTime_->time);
            return TimerTimeCell(row);
        default: return "";
    }
}

CellAction TimerTablePlugin::ClickAction(MouseButton button, int column) const {
    if (button == MouseButton::Left) return CellAction::None;
    switch (column) {
        case col::kName: return CellAction::ContextMenu;
        // The date and time columns have context menus of their own.
        case col::kDate:
        case col::kTime: return CellAction::Dialog;
        default: return CellAction::None;
    }
}

TTimerRecord TimerTablePlugin::NewRow(const TTimerRecord* firstSelected, std::size_t position) const {
    (void)firstSelected, (void)position;
    const LocalDateTime now = clock_.Now();
    TTimerRecord row{};
    row.Bezeichnung = kNewTimerRowName;
    row.Datum = DayMonthText(now.day, now.month);
    row.Uhrzeit = TimeText({now.hour, now.minute, now.second});
    row.DatumMaske = kPlainDateMask;
    row.ZeitMaske = kPlainTimeMask;
    return row;
}

bool TimerTablePlugin::Changed() const {
    const TimerTable& table = Rows();
    if (table.Count() != table.SavedCount()) return true;
    for (std::size_t i = 0; i < table.Count(); ++i)
        if (!RowsEqual(table.Row(i), table.SavedRow(i))) return true;
    return false;
}

std::optional<CheckFailure> TimerTablePlugin::ValidateForSave() { return CheckTimerTableForSave(store_.Tables()); }

void TimerTablePlugin::Write() {
    store_.Tables().timers.Save(ResolveInDirectory(store_.ProjectDirectory(), kTimerFileName));
}

TableLoadResult TimerTablePlugin::Reload() {
    return store_.Tables().timers.Load(ResolveInDirectory(store_.ProjectDirectory(), kTimerFileName));
}

std::string TimerTablePlugin::ProjectName() const { return store_.CurrentProjectName(); }

void TimerTablePlugin::Saved() {
    if (saved_) saved_();
}

void TimerTablePlugin::ShowTime(std::size_t first, std::size_t last, std::string time) {
    shownTime_ = ShownTime{first, last, std::move(time)};
}

}  // namespace ovis
