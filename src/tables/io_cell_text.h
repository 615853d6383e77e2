#pragma once
// The texts of the I/O grid's cells (record bytes), shared by the editor and the terminal plan
// report.
#include <optional>
#include <string>
#include <string_view>

#include "config/module_types.h"
#include "project/io_records.h"
#include "project/parameter_record.h"

namespace ovis {

// A module position as the grid shows it: "  " + number below 10, " " + number from 10.
std::string ModuleNumberText(int value);

// The text of `column` (io_columns.h, "Nr" excluded) of a row on a module of `type`;
// `allMessagesFolder` is shown in "Speichern" when the row is recorded.
std::string IoCellText(const TIoRecord& row, int column, std::optional<ModuleType> type,
                       std::string_view allMessagesFolder);

// The module type at a row's module position in the system parameters' module list.
std::optional<ModuleType> IoRowModuleType(const TParameterRecord& parameters, const TIoRecord& row);

}  // namespace ovis
