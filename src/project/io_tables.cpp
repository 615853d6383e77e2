#include "project/io_tables.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

#include "records/codepage.h"
#include "records/typed_file.h"

namespace ovis {
namespace {

bool OneOf(std::string_view value, std::initializer_list<std::string_view> choices) {
    return std::find(choices.begin(), choices.end(), value) != choices.end();
}

}  // namespace

bool IsOutputRow(const TIoRecord& row) { return OneOf(row.Typ.view(), {"Relais", "LED", "Opto", "Trans"}); }
bool IsInputRow(const TIoRecord& row) { return OneOf(row.Typ.view(), {"AC", "DC", "Taste"}); }

TableLoadResult LoadIoTable(IoTable& table, const std::filesystem::path& projectDir) {
    return table.LoadExisting(ResolveInDirectory(projectDir, kIoFileName));
}

void SaveIoTable(IoTable& table, const std::filesystem::path& projectDir) {
    table.Save(ResolveInDirectory(projectDir, kIoFileName));
}

void ResetIoRows(IoTable& table) {
    constexpr int kRows = 32;
    for (int i = 1; i <= kRows; ++i) {
        TIoRecord& r = table.Row(i - 1);
        std::memset(&r, 0, sizeof r);
        r.Nr = i;
        r.Bezeichnung = "Meldung " + std::to_string(i);
        r.Modul = (i - 1) / 16 + 1;
        r.Klemmreihe = ((i - 1) % 16 < 8) ? "Oben" : "Unten";
        for (int k = 0; k < 8; ++k) r.Pegel[k] = "  X";
        r.Pegel[(i - 1) % 8] = "High";
        r.Typ = "DC";
        r.EinVerzoegerung = 0;
        r.AusVerzoegerung = 0;
        r.Einheit = "Milli";
        r.Erfassung = true;
    }
    table.SetCount(kRows);
}

SignalTable::SignalTable() {
    std::memset(records_.data(), 0, sizeof records_);
    ClearToUnassigned();
    saved_ = records_;
}

void SignalTable::Load(const std::filesystem::path& projectDir) {
    auto path = ResolveInDirectory(projectDir, kSignalFileName);
    constexpr std::size_t kNeeded = sizeof(TIoSignalRecord) * kSignalModules;
    auto prefix = ReadFilePrefixWithRetries(path, kNeeded);
    if (!prefix) throw IoError(FileErrorText("Die Datei", path, "sie kann nicht geöffnet werden"));
    if (prefix->bytes.size() < kNeeded) {
        throw IoError(FileErrorText("Die Datei", path,
                                    "sie enthält weniger als " + std::to_string(kSignalModules) + " Datensätze"));
    }
    std::memcpy(records_.data(), prefix->bytes.data(), kNeeded);
    saved_ = records_;
}

void SignalTable::Save(const std::filesystem::path& projectDir) {
    WriteRecords(ResolveInDirectory(projectDir, kSignalFileName), records_.data(), records_.size());
    saved_ = records_;
}

void SignalTable::ClearToUnassigned() {
    for (auto& record : records_) {
        for (auto& signal : record.Signal) signal = "";
        record.Modulbezeichnung = kModuleNotAssigned;
    }
}

void SignalTable::ResetSignals() {
    for (auto& record : records_) {
        for (auto& signal : record.Signal) signal = "";
        record.Modulbezeichnung = "";
    }
    for (int module = 1; module <= 2; ++module) {
        TIoSignalRecord& r = Module(module);
        int first = (module - 1) * 16 + 1;
        for (int k = 0; k < 8; ++k) {
            r.Signal[k] = "Signal " + std::to_string(first + k);
            r.Signal[9 + k] = "Signal " + std::to_string(first + 8 + k);
        }
        r.Signal[8] = RecordText("Rückleiter Signale ") + std::to_string(first) + "-" + std::to_string(first + 7);
        r.Signal[17] = RecordText("Rückleiter Signale ") + std::to_string(first + 8) + "-" + std::to_string(first + 15);
        r.Modulbezeichnung = "OPTO16";
    }
    for (int module = 3; module <= kSignalModules; ++module) Module(module).Modulbezeichnung = kModuleNotAssigned;
}

}  // namespace ovis
