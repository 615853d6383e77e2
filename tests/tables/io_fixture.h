#pragma once
// A project with a module ring of every module type and helpers to build I/O rows.
#include <initializer_list>
#include <string>
#include <utility>

#include "support/project_fixture.h"
#include "tables/io_terminals.h"

namespace ovis::test {

// Ring positions 1..7: OPTO16, OPTO6, RELAIS6, OPTO-REL, TAST-LED, TRANS16, OPTO16-OUT.
inline constexpr ModuleType kRing[] = {ModuleType::Opto16,  ModuleType::Opto6,   ModuleType::Relais6,
                                       ModuleType::OptoRel, ModuleType::TastLed, ModuleType::Trans16,
                                       ModuleType::Opto16Out};

// A row on `module`, terminal row `klemmreihe`, with levels at the given entries (1..8).
inline TIoRecord IoRow(const std::string& name, int module = 1, const char* klemmreihe = kUpperRow,
                       const char* typ = "DC", std::initializer_list<std::pair<int, const char*>> levels = {}) {
    TIoRecord row{};
    row.Bezeichnung = name;
    row.Modul = module;
    row.Klemmreihe = klemmreihe;
    for (auto& level : row.Pegel) level = kLevelUnused;
    for (auto [entry, level] : levels) row.Pegel[entry - 1] = level;
    row.Typ = typ;
    row.Einheit = "Milli";
    row.Erfassung = true;
    return row;
}

struct IoProject : ProjectFixture {
    static constexpr const char* kName = "Anlage";

    IoProject() {
        CreateProject(kName);
        store.SetCurrentProjectName(kName);
        store.LoadAllTables();
        auto& record = tables->parameters.Record();
        for (std::size_t i = 0; i < std::size(kRing); ++i) record.Modulanordnung[i] = std::uint8_t(kRing[i]);
    }

    std::filesystem::path Dir() const { return ProjectDir(kName); }

    // Replaces the I/O rows in memory, numbered as the editor saves them, as if loaded (the
    // saved image is taken).
    void SetRows(std::initializer_list<TIoRecord> rows, bool asSaved = true) {
        tables->io.Assign(std::span<const TIoRecord>(rows.begin(), rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) tables->io.Row(i).Nr = int(i) + 1;
        if (asSaved) tables->io.TakeSavedImage();
    }
};

}  // namespace ovis::test
