#pragma once
// The statistics window's edits of its settings: the check of the range entries before computing,
// the filters with their refusals, new and deleted entries, the entry editor opened by a right
// click, the menus' enabling and the table's row texts.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/statistics_settings.h"

namespace ovis {

// Column "Nr" of row `row` (0-based): "001", "002", ...
std::string StatisticsRowNumber(int row);

// --- range entries (tabs 1-3) ---

struct WrongEntry {
    int entry = 0;       // 0-based
    std::string message;  // "Der Zeitraum in Zeile " + number + " ist nicht korrekt angegeben!"
};
// The first entry in use whose bis lies before its von; nothing when all are right.
std::optional<WrongEntry> FindWrongEntry(const TStatistikRecord& record, StatisticsTab tab);
// The repair after the message: the entry's bis := its von.
void RepairWrongEntry(TStatistikRecord& record, StatisticsTab tab, int entry);

// The text of a blank field of a tab: 8 blanks, "  .  .    ", "  :  :  ", 8 blanks.
std::string_view EmptyEntryText(StatisticsTab tab);
// "Neuer Eintrag": appends von = bis = `fileDate` (tab 1), "00:00:00" to "23:59:59" (tab 2),
// "0" to "1000" (tab 3); false (nothing changed) on tab 0 and when 16 entries exist.
bool AddEntry(TStatistikRecord& record, StatisticsTab tab, std::string_view fileDate);
// "Eintrag löschen": removes entry `entry` (0-based, in use); the following ones move up and the
// last row becomes blank. False when the row holds no entry.
bool DeleteEntry(TStatistikRecord& record, StatisticsTab tab, int entry);

enum class EntryHalf { Von, Bis };
// Rows within this distance (pixels) from the table's left edge edit von, further right bis.
inline constexpr int kEntryVonWidth = 84;

struct EntryEditTarget {
    int entry = 0;  // 0-based
    EntryHalf half = EntryHalf::Von;
    bool isNew = false;  // the row after the last entry: the value becomes von and bis
};
// A right click at `x` (pixels from the table's left edge) on table row `row` (0-based): an
// entry's row edits it, the row after the last entry starts a new one (while fewer than 16
// exist), any other row and tab 0 edit nothing.
std::optional<EntryEditTarget> EntryEditTargetAt(const TStatistikRecord& record, StatisticsTab tab, int row, int x);
// The text the editor starts with: the field's value, for a new entry the "Neuer Eintrag" value.
std::string EntryEditText(const TStatistikRecord& record, StatisticsTab tab, const EntryEditTarget& target,
                          std::string_view fileDate);
// Leaving the editor: stores `text` into the half, or into von and bis for a new entry.
void StoreEntryEdit(TStatistikRecord& record, StatisticsTab tab, const EntryEditTarget& target, std::string_view text);

// The category cell of entry `entry`: "Zeitraum" von + "  -- " + bis, "Tageszeit" " " + von +
// "   ---   " + bis, "Dauer" von right-aligned to six places + "   ---   " + bis.
std::string EntryCategoryText(const TStatistikRecord& record, StatisticsTab tab, int entry);

// --- filters ---

enum class StatisticsFilter { Date, Time, Duration };

struct FilterEdit {
    bool accepted = false;
    std::string refusal;  // the warning of a bis before von; empty for an unreadable value
};
// A filter field was left with `von` and `bis`: when both are readable and bis is not before von,
// they go into all four copies of the filter row; otherwise nothing changes.
FilterEdit SetFilter(TStatistikRecord& record, StatisticsFilter filter, std::string_view von, std::string_view bis);
std::string_view FilterVon(const TStatistikRecord& record, StatisticsFilter filter);
std::string_view FilterBis(const TStatistikRecord& record, StatisticsFilter filter);

// --- menus ---

struct StatisticsMenuState {
    bool compute = false;
    bool print = false;           // "&Drucken...": the tab has results of "Berechnen"
    bool selectMessages = false;  // visible on tab 0 only
    bool entryItemsVisible = false;
    bool newEntry = false;
    bool deleteEntry = false;
    std::string newEntryCaption;
    std::string deleteEntryCaption;
};
// `shownMessages`: rows of tab 0; `currentRow`: the table's current row (0-based); `hasResults`:
// the tab was computed since its entries last changed.
StatisticsMenuState StatisticsMenus(const TStatistikRecord& record, StatisticsTab tab, int shownMessages,
                                    int currentRow, bool hasResults);

}  // namespace ovis
