#include "led/led_files.h"

#include "project/system_parameters.h"
#include "led/led_picture.h"
#include "records/typed_file.h"

namespace ovis {

void SetLastColumns(LedTable& table) {
    for (TLedRecord& row : table.Rows()) row.LetzteSpalte = LastLitColumn(row.Spalten);
}

void SaveLedFiles(const std::filesystem::path& projectDir, SystemParameters& parameters, LedParameters& ledParameters,
                  LedTable& table) {
    SetLastColumns(table);
    parameters.Save(projectDir);
    ledParameters.Save(projectDir);
    table.Save(ResolveInDirectory(projectDir, kLedFileName));
}

}  // namespace ovis
