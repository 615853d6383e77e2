#pragma once
// The file chosen in the analyser's "Exportieren..." dialog: its format follows the chosen filter,
// and a name without extension gets the filter's.
#include <array>
#include <filesystem>

#include "evaluation/recording_export.h"

namespace ovis {

inline constexpr std::array<const char*, 2> kExportFilters = {"Value Change Dump (*.vcd)", "CSV (*.csv)"};

struct ExportTarget {
    std::filesystem::path file;
    ExportFormat format = ExportFormat::Vcd;
};

// `filterIndex` indexes kExportFilters; another index takes the format from the extension
// (".csv" or else VCD).
ExportTarget ExportTargetFor(const std::filesystem::path& chosen, int filterIndex);

}  // namespace ovis
