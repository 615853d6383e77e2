#pragma once
// Every table of the current project, held once per process.
#include <cstddef>

#include "project/system_parameters.h"
#include "project/selection_table.h"
#include "project/led_parameters.h"
#include "project/led_table.h"
#include "project/program_files.h"
#include "project/io_tables.h"
#include "project/message_tables.h"

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
