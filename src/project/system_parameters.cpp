#include "project/system_parameters.h"

#include <cstring>

#include "records/typed_file.h"

namespace ovis {

int TotalUnits(int memorySizeCode) {
    switch (memorySizeCode) {
        case 0: return 3;
        case 1: return 15;
        case 2: return 63;
        default: return 0;
    }
}

TParameterRecord DefaultParameterRecord() {
    TParameterRecord r;
    std::memset(&r, 0, sizeof r);
    r.Nummer = 1;
    r.BaudFaktor = 1;
    r.BaudFaktor2 = 1;
    r.AnzahlInterfaces = 1;
    r.Schnittstelle = 1;
    r.BaudFaktorPC = 1;
    r.Speichergroesse = static_cast<std::uint8_t>(MemorySize::MB2);
    r.Ordner[kAllMessagesFolder] = "Alle Meldungen";
    r.Ordner[kOutputFolder] = "Ausgangsdaten";
    r.Units[kOutputFolder] = 1;
    r.Units[kAllMessagesFolder] = static_cast<std::uint8_t>(TotalUnits(r.Speichergroesse) - 1);
    return r;
}

int CountAcquisitionFolders(const TParameterRecord& record) {
    int n = 0;
    while (n < kMaxAcquisitionFolders && !record.Ordner[n + 1].empty()) ++n;
    return n;
}

int CountModules(const TParameterRecord& record) {
    int m = 0;
    while (m < kModuleSlots && record.Modulanordnung[m] != 0) ++m;
    return m;
}

SystemParameters::SystemParameters() : record_(DefaultParameterRecord()), saved_(record_) { Derive(); }

void SystemParameters::Derive() {
    folderCount_ = CountAcquisitionFolders(record_);
    moduleCount_ = CountModules(record_);
    int mode = record_.RelayMode;
    relay_ = (mode == 1) ? RelayMode::Server : (mode == 2) ? RelayMode::Client : RelayMode::None;
}

void SystemParameters::Load(const std::filesystem::path& projectDir) {
    TParameterRecord loaded = record_;
    ReadSingleRecord(ResolveInDirectory(projectDir, kParameterFileName), loaded);
    record_ = loaded;
    saved_ = record_;
    serverDirectory_ = record_.ServerDirectory.str();
    Derive();
}

void SystemParameters::Save(const std::filesystem::path& projectDir) {
    WriteRecords(ResolveInDirectory(projectDir, kParameterFileName), &record_, 1);
    Derive();
    saved_ = record_;
}

void SystemParameters::SaveImage(const std::filesystem::path& projectDir, const TParameterRecord& image) {
    WriteRecords(ResolveInDirectory(projectDir, kParameterFileName), &image, 1);
    saved_ = image;
}

}  // namespace ovis
