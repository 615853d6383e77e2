#pragma once
// Projects "Halle" for the recording commands of ovisctl: their messages and the day file path.
#include <filesystem>
#include <vector>

#include "project/io_records.h"
#include "project/io_tables.h"
#include "project/selection_table.h"
#include "project/system_parameters.h"
#include "records/typed_file.h"
#include "support/project_fixture.h"

namespace ovis::test {

// Three I/O messages "Tür auf", "Motor" and "Licht<TAB>Aus"; folder 0 "Alle Meldungen" hides the second.
inline std::filesystem::path CreateThreeMessageProject(ProjectFixture& fixture) {
    fixture.CreateProject("Halle");
    const std::filesystem::path project = fixture.ProjectDir("Halle");
    std::vector<TIoRecord> io(3, TIoRecord{});
    const char* names[] = {"T\xFCr auf", "Motor", "Licht\tAus"};
    for (int i = 0; i < 3; ++i) io[i].Typ = "DC", io[i].Bezeichnung = names[i];
    WriteRecords(project / kIoFileName, io.data(), io.size());
    TParameterRecord parameters = fixture.tables->parameters.Record();
    parameters.Ordner[0] = "Alle Meldungen";
    WriteRecords(project / kParameterFileName, &parameters, 1);
    SelectionTable selection;
    selection.Folder(0).Shown[1] = 0;
    selection.Save(project);
    return project;
}

// Two output messages "Pumpe" and "Ventil"; returns the path of the day file "Tag.ofa" of the
// output folder, whose directory it creates.
inline std::filesystem::path CreatePumpAndValveProject(ProjectFixture& fixture) {
    fixture.CreateProject("Halle");
    const std::filesystem::path project = fixture.ProjectDir("Halle");
    std::vector<TIoRecord> io(2, TIoRecord{});
    io[0].Typ = "Relais", io[0].Bezeichnung = "Pumpe";
    io[1].Typ = "Relais", io[1].Bezeichnung = "Ventil";
    WriteRecords(project / kIoFileName, io.data(), io.size());
    const auto file = project / "Daten" / "Datenausgabe" / "Ausgangsdaten" / "Tag.ofa";
    std::filesystem::create_directories(file.parent_path());
    return file;
}

}  // namespace ovis::test
