#include "evaluation/statistics_editing.h"

#include <cstdio>

namespace ovis {
namespace {

constexpr const char* kWrongEntryPrefix[kStatisticsTabs] = {"", "Der Zeitraum in Zeile ", "Die Tageszeit in Zeile ",
                                                            "Die Dauer in Zeile "};
constexpr const char* kWrongEntrySuffix = " ist nicht korrekt angegeben!";
constexpr const char* kNewEntryCaption[kStatisticsTabs] = {"Neuer Eintrag", "Eintrag Zeitraum anlegen",
                                                           "Eintrag Tageszeit anlegen", "Eintrag Dauer anlegen"};
constexpr const char* kDeleteEntryCaption[kStatisticsTabs] = {"Eintrag löschen", "Eintrag Zeitraum löschen",
                                                              "Eintrag Tageszeit löschen", "Eintrag Dauer löschen"};

int FilterRow(StatisticsFilter filter) {
    switch (filter) {
        case StatisticsFilter::Date: return kDateFilterRow;
        case StatisticsFilter::Time: return kTimeFilterRow;
        case StatisticsFilter::Duration: return kDurationFilterRow;
    }
    return kDateFilterRow;
}

StatisticsTab FilterForm(StatisticsFilter filter) {
    switch (filter) {
        case StatisticsFilter::Date: return StatisticsTab::Zeitraum;
        case StatisticsFilter::Time: return StatisticsTab::Tageszeit;
        case StatisticsFilter::Duration: return StatisticsTab::Ereignisdauer;
    }
    return StatisticsTab::Zeitraum;
}

const char* FilterRefusal(StatisticsFilter filter) {
    switch (filter) {
        case StatisticsFilter::Date:
            return "Tragen Sie im linken Feld das \"ältere Datum\" und im rechten Feld das \"jüngere Datum\" ein!!!";
        case StatisticsFilter::Time:
            return "Tragen Sie im linken Feld den \"älteren Zeitwert\" und im rechten Feld den \"neueren Zeitwert\" "
                   "ein!!!";
        case StatisticsFilter::Duration:
            return "Tragen Sie im linken Feld den \"kleineren Wert\" und im rechten Feld den \"größeren Wert\" ein!!!";
    }
    return "";
}

struct EntryDefaults {
    std::string von;
    std::string bis;
};

EntryDefaults NewEntryValues(StatisticsTab tab, std::string_view fileDate) {
    switch (tab) {
        case StatisticsTab::Zeitraum: return {std::string(fileDate), std::string(fileDate)};
        case StatisticsTab::Tageszeit: return {"00:00:00", "23:59:59"};
        case StatisticsTab::Ereignisdauer: return {"0", "1000"};
        case StatisticsTab::Meldung: break;
    }
    return {};
}

}  // namespace

std::string StatisticsRowNumber(int row) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", row + 1);
    return text;
}

std::optional<WrongEntry> FindWrongEntry(const TStatistikRecord& record, StatisticsTab tab) {
    const auto ranges = EntryRanges(record, tab, DurationUnit::Seconds);
    for (std::size_t k = 0; k < ranges.size(); ++k) {
        if (ranges[k].bis < ranges[k].von)
            return WrongEntry{int(k), kWrongEntryPrefix[TabIndex(tab)] + std::to_string(k + 1) + kWrongEntrySuffix};
    }
    return std::nullopt;
}

void RepairWrongEntry(TStatistikRecord& record, StatisticsTab tab, int entry) {
    TStatistikRow& row = record.Zeile[entry];
    row.Bis[TabIndex(tab)] = row.Von[TabIndex(tab)].view();
}

std::string_view EmptyEntryText(StatisticsTab tab) {
    switch (tab) {
        case StatisticsTab::Zeitraum: return "  .  .    ";
        case StatisticsTab::Tageszeit: return "  :  :  ";
        case StatisticsTab::Meldung:
        case StatisticsTab::Ereignisdauer: break;
    }
    return "        ";
}

bool AddEntry(TStatistikRecord& record, StatisticsTab tab, std::string_view fileDate) {
    const int count = EntryCount(record, tab);
    if (tab == StatisticsTab::Meldung || count >= kStatisticsEntries) return false;
    const EntryDefaults values = NewEntryValues(tab, fileDate);
    record.Zeile[count].Von[TabIndex(tab)] = values.von;
    record.Zeile[count].Bis[TabIndex(tab)] = values.bis;
    return true;
}

bool DeleteEntry(TStatistikRecord& record, StatisticsTab tab, int entry) {
    if (entry < 0 || entry >= EntryCount(record, tab)) return false;
    const int t = TabIndex(tab);
    for (int k = entry; k + 1 < kStatisticsEntries; ++k) {
        record.Zeile[k].Von[t] = record.Zeile[k + 1].Von[t];
        record.Zeile[k].Bis[t] = record.Zeile[k + 1].Bis[t];
    }
    record.Zeile[kStatisticsEntries - 1].Von[t] = EmptyEntryText(tab);
    record.Zeile[kStatisticsEntries - 1].Bis[t] = EmptyEntryText(tab);
    return true;
}

std::optional<EntryEditTarget> EntryEditTargetAt(const TStatistikRecord& record, StatisticsTab tab, int row, int x) {
    if (tab == StatisticsTab::Meldung || row < 0) return std::nullopt;
    const int count = EntryCount(record, tab);
    const EntryHalf half = x <= kEntryVonWidth ? EntryHalf::Von : EntryHalf::Bis;
    if (row < count) return EntryEditTarget{row, half, false};
    if (row == count && count < kStatisticsEntries) return EntryEditTarget{row, half, true};
    return std::nullopt;
}

std::string EntryEditText(const TStatistikRecord& record, StatisticsTab tab, const EntryEditTarget& target,
                          std::string_view fileDate) {
    if (target.isNew) return NewEntryValues(tab, fileDate).von;
    const TStatistikRow& row = record.Zeile[target.entry];
    return (target.half == EntryHalf::Von ? row.Von : row.Bis)[TabIndex(tab)].str();
}

void StoreEntryEdit(TStatistikRecord& record, StatisticsTab tab, const EntryEditTarget& target, std::string_view text) {
    TStatistikRow& row = record.Zeile[target.entry];
    if (target.isNew || target.half == EntryHalf::Von) row.Von[TabIndex(tab)] = text;
    if (target.isNew || target.half == EntryHalf::Bis) row.Bis[TabIndex(tab)] = text;
}

std::string EntryCategoryText(const TStatistikRecord& record, StatisticsTab tab, int entry) {
    const TStatistikRow& row = record.Zeile[entry];
    const std::string von = row.Von[TabIndex(tab)].str();
    const std::string bis = row.Bis[TabIndex(tab)].str();
    switch (tab) {
        case StatisticsTab::Zeitraum: return von + "  -- " + bis;
        case StatisticsTab::Tageszeit: return " " + von + "   ---   " + bis;
        case StatisticsTab::Ereignisdauer:
            return std::string(von.size() < 6 ? 6 - von.size() : 0, ' ') + von + "   ---   " + bis;
        case StatisticsTab::Meldung: break;
    }
    return {};
}

FilterEdit SetFilter(TStatistikRecord& record, StatisticsFilter filter, std::string_view von, std::string_view bis) {
    const StatisticsTab form = FilterForm(filter);
    const auto low = FieldValue(form, von, DurationUnit::Seconds);
    const auto high = FieldValue(form, bis, DurationUnit::Seconds);
    if (!low || !high) return {};
    if (*high < *low) return {false, FilterRefusal(filter)};
    TStatistikRow& row = record.Zeile[FilterRow(filter)];
    for (int t = 0; t < kStatisticsTabs; ++t) {
        row.Von[t] = von;
        row.Bis[t] = bis;
    }
    return {true, {}};
}

std::string_view FilterVon(const TStatistikRecord& record, StatisticsFilter filter) {
    return record.Zeile[FilterRow(filter)].Von[0].view();
}

std::string_view FilterBis(const TStatistikRecord& record, StatisticsFilter filter) {
    return record.Zeile[FilterRow(filter)].Bis[0].view();
}

StatisticsMenuState StatisticsMenus(const TStatistikRecord& record, StatisticsTab tab, int shownMessages,
                                    int currentRow, bool hasResults) {
    StatisticsMenuState state;
    state.print = hasResults;
    const int entries = EntryCount(record, tab);
    state.selectMessages = tab == StatisticsTab::Meldung;
    state.entryItemsVisible = tab != StatisticsTab::Meldung;
    state.compute = tab == StatisticsTab::Meldung ? shownMessages > 0 : entries > 0;
    state.newEntry = state.entryItemsVisible && entries < kStatisticsEntries;
    state.deleteEntry = state.entryItemsVisible && currentRow >= 0 && currentRow < entries;
    state.newEntryCaption = kNewEntryCaption[TabIndex(tab)];
    state.deleteEntryCaption = kDeleteEntryCaption[TabIndex(tab)];
    return state;
}

}  // namespace ovis
