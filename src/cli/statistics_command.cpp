// ovisctl statistics: "Berechnen" of a statistics tab on a recording, as text.
//   NR<TAB>CATEGORY<TAB>ANZAHL<TAB>PROZENT   per table row that has a category
//   LABEL<TAB>VALUE                         the six totals
// The settings come from the project's "Statistik.ofp" (defaults with the file's begin date when
// it is missing); the file is never written.
#include <iostream>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/folder_statistics.h"
#include "evaluation/statistics_table.h"
#include "records/codepage.h"
#include "records/terminal_text.h"

namespace ovis::cli {
namespace {

constexpr int kDoesNotFit = 1;

std::string WithoutLeadingBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string Cell(const std::string& bytes) { return EscapeControlCharacters(ToUtf8(WithoutLeadingBlanks(bytes))); }

int StatisticsCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"folder", "tab"}, {"ms"}, 2);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::filesystem::path file = a.Required(1, "DATEI");
    const auto folder = a.IntegerOption("folder", -1000000, 1000000);
    if (!folder) throw UsageError("--folder N fehlt");
    const auto tabNumber = a.IntegerOption("tab", 0, 3);
    if (!tabNumber) throw UsageError("--tab 0|1|2|3 fehlt");
    const auto tab = static_cast<StatisticsTab>(*tabNumber);
    const DurationUnit unit = a.Flag("ms") ? DurationUnit::Milliseconds : DurationUnit::Seconds;
    const auto loaded = LoadFolderRecording(a, *folder);
    if (!loaded) return kDoesNotFit;
    const auto computed = ComputeFolderStatistics(projectDir, file, *loaded, tab, unit);
    if (!computed) return kDoesNotFit;
    const StatisticsResult& result = computed->result;
    std::string out;
    for (const StatisticsRowTexts& row : StatisticsRows(computed->settings, tab, computed->names, &result))
        out += row.number + '\t' + Cell(row.category) + '\t' + row.count + '\t' + row.percent + '\n';
    const auto totals = StatisticsTotals(result);
    for (std::size_t k = 0; k < totals.size(); ++k) out += std::string(kStatisticsTotalsLabels[k]) + '\t' + totals[k] + '\n';
    std::cout << out << std::flush;
    return std::cout ? 0 : 1;
}

const CommandRegistration kStatistics{"statistics",
                                      "statistics PROJEKTVERZEICHNIS DATEI --folder N --tab 0|1|2|3 [--ms]",
                                      StatisticsCommand};

}  // namespace
}  // namespace ovis::cli
