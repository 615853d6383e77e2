#pragma once
// A project with input and output I/O rows, two acquisition folders and helpers to build groups.
#include <initializer_list>
#include <string>
#include <vector>

#include "io_fixture.h"
#include "project/message_tables.h"

namespace ovis::test {

// "Tür" in code page 1252.
inline const std::string kDoorFolder = "T\xFCr";
inline const std::string kDriveFolder = "Antrieb";

inline TGruppeRecord GroupRow(const std::string& name, std::initializer_list<std::uint16_t> members = {1},
                              const std::string& folder = "") {
    TGruppeRecord row{};
    row.Bezeichnung = name;
    int m = 0;
    for (std::uint16_t member : members) row.Mitglied[m++] = member;
    row.Anzahl = m;
    row.Scan = "einmal";
    row.Trigger = "aktiv";
    row.Einheit = "Min";
    row.SpeicherOrdner = folder;
    return row;
}

struct GroupProject : IoProject {
    GroupProject() {
        // I/O rows 1..4: an output before the inputs, so that row numbers and input positions differ.
        SetRows({IoRow("Lampe", 6, kUpperRow, "LED"), IoRow("Taster", 1, kUpperRow, "Taste"),
                 IoRow("Netz", 1, kUpperRow, "AC"), IoRow("Tor", 1, kLowerRow, "DC")});
        auto& record = tables->parameters.Record();
        record.Ordner[1] = kDoorFolder;
        record.Ordner[2] = kDriveFolder;
    }

    void SetGroups(std::initializer_list<TGruppeRecord> rows) {
        tables->groups.Assign(std::span<const TGruppeRecord>(rows.begin(), rows.size()));
        tables->groups.TakeSavedImage();
    }
};

}  // namespace ovis::test
