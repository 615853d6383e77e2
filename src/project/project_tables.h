#pragma once
// Every table of the current project, held once per process.
#include <cstddef>

#include "config/system_parameters.h"
#include "evaluation/selection_table.h"
#include "led/led_parameters.h"
#include "led/led_table.h"
#include "programs/program_files.h"
#include "tables/io_tables.h"
#include "tables/message_tables.h"

namespace ovis {

struct ProjectTables {
    IoTable io;
    std::size_t outputRecordingCount = 0;  // "*.ofa" files of the output folder
    SignalTable signalNames;  // "IOSignale.ofd" (not "signals": that is a Qt keyword)
    GroupTable groups;
    CounterTable counters;
    TimerTable timers;
    LedTable led;
    CurrentProgram program;
    SystemParameters parameters;
    LedParameters ledParameters;
    SelectionTable selection;
};

}  // namespace ovis
