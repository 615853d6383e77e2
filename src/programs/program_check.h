#pragma once
// The check of a program before it is saved: names trimmed, the logic and order checks line by
// line, then the names of the other tables (I/O, groups, counters, timers, LED, output data).
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "project/program_line.h"
#include "tables/name_check.h"

namespace ovis {

struct ProjectTables;

// "TRUE" and "FALSE" need `MeldungA` and no `MeldungB`, every other operator both. The failure
// selects the logic column.
std::optional<CheckFailure> CheckProgramLogic(std::span<const TProgrammLine> lines);
// "NONE" needs an empty `MeldungC`, every other order a set one. The failure selects the order
// column.
std::optional<CheckFailure> CheckProgramOrders(std::span<const TProgrammLine> lines);

// The whole check of `lines`; trimmed names are written back even when a later step fails.
// Empty and duplicate names are not refused here.
std::optional<CheckFailure> CheckProgramLinesForSave(std::span<TProgrammLine> lines, const MessageNames& others);

// The names of the output-data files of the project in `projectDir` (the output folder of the
// parameters in `tables`), in the order of their table, as record bytes.
std::vector<std::string> OutputDataNames(const std::filesystem::path& projectDir, const ProjectTables& tables);

// The check of the current program as the editor runs it, against the tables in memory and the
// output-data files of `projectDir`.
std::optional<CheckFailure> CheckProgramForSave(ProjectTables& tables, const std::filesystem::path& projectDir);

}  // namespace ovis
