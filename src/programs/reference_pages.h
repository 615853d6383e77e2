#pragma once
// The read-only pages of the program editor: the I/O, group, LED, counter and timer tables in
// the columns of their own editors, with the module and terminals of the current I/O message,
// and the output-data files. Names are copied from here into the program's operand cells.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "led/led_picture_state.h"
#include "led/led_table_plugin.h"
#include "platform/clock.h"
#include "programs/program_pages.h"
#include "programs/read_only_table.h"
#include "tables/counter_table_plugin.h"
#include "tables/group_table_plugin.h"
#include "tables/io_table_plugin.h"
#include "tables/terminal_panel.h"
#include "tables/timer_table_plugin.h"

namespace ovis {

class ProjectStore;

// "Nr", "Datei", "Geändert am", "Größe", "Beginn".
inline constexpr int kOutputDataPageColumns = 5;

class ReferencePages {
public:
    explicit ReferencePages(ProjectStore& store);

    // The table of a read-only page ("I / O" to "Datenausgabe"); nothing for the other pages.
    ReadOnlyTable* Table(ProgramPage page);
    // Lists the output folder's files anew.
    void ReadOutputFiles();

    // The name of the current row of a read-only page.
    std::optional<std::string> CurrentName(ProgramPage page);

    // The "I / O" page's module panel for the current I/O row: module position ("01" to "20"),
    // type or "Modul nicht definiert!", and the 18 terminal lines; empty outside the table.
    struct IoModule {
        std::string position;
        std::string type;
        std::array<TerminalPanel::Line, kTerminalLines> lines;
    };
    std::optional<IoModule> CurrentIoModule();

private:
    const TIoRecord* CurrentIoRow() const;

    struct OutputFileRow {
        std::string name, date, size, begin;
    };

    ProjectStore& store_;
    SystemClock clock_;  // asked only for new rows, which these pages never make
    TerminalPanel panel_;
    IoTablePlugin io_;
    GroupTablePlugin groups_;
    LedPictureState ledPictures_;  // the LED columns' texts need one; nothing here edits pictures
    LedTablePlugin led_;
    CounterTablePlugin counters_;
    TimerTablePlugin timers_;
    ReadOnlyTable ioTable_;
    ReadOnlyTable groupTable_;
    ReadOnlyTable ledTable_;
    ReadOnlyTable counterTable_;
    ReadOnlyTable timerTable_;
    std::vector<OutputFileRow> outputFiles_;
    ReadOnlyTable outputTable_;
};

}  // namespace ovis
