#include "evaluation/export_target.h"

namespace ovis {

ExportTarget ExportTargetFor(const std::filesystem::path& chosen, int filterIndex) {
    ExportTarget target{chosen, ExportFormat::Vcd};
    const std::string extension = chosen.extension().string();
    if (filterIndex == 1 || (filterIndex != 0 && (extension == ".csv" || extension == ".CSV")))
        target.format = ExportFormat::Csv;
    if (extension.empty()) target.file += target.format == ExportFormat::Csv ? ".csv" : ".vcd";
    return target;
}

}  // namespace ovis
