#pragma once
// The system parameters of the current project: the record, its saved image, the counts
// derived from it and the relay flags.
#include <filesystem>
#include <string>

#include "project/parameter_record.h"

namespace ovis {

inline constexpr const char* kParameterFileName = "Parameter.ofp";

enum class MemorySize : std::uint8_t { KB128 = 0, KB512 = 1, MB2 = 2 };

// Total data units of a memory size code: 3, 15 or 63; 0 for an unknown code.
int TotalUnits(int memorySizeCode);

// The record a first start works with before any project was loaded: Interface 1 at 9600 baud
// on COM1, 2 MByte, the all-messages and output folders, no modules. Reserved bytes are zero.
TParameterRecord DefaultParameterRecord();

// Number of non-empty folder names from entry 1 on, before the first empty one (at most 13).
int CountAcquisitionFolders(const TParameterRecord& record);
// Number of non-zero module codes from position 1 on, before the first 0 (at most 256).
int CountModules(const TParameterRecord& record);

class SystemParameters {
public:
    SystemParameters();

    TParameterRecord& Record() { return record_; }
    const TParameterRecord& Record() const { return record_; }
    const TParameterRecord& SavedImage() const { return saved_; }

    // Reads "Parameter.ofp" of the project directory; IoError leaves everything unchanged.
    void Load(const std::filesystem::path& projectDir);
    // Writes "Parameter.ofp" anew; IoError when it cannot be written.
    void Save(const std::filesystem::path& projectDir);

    // Writes `image` as "Parameter.ofp" and makes it the saved image; the record in memory keeps
    // its pending changes. Used to write one change of the configuration dialog on its own.
    void SaveImage(const std::filesystem::path& projectDir, const TParameterRecord& image);
    void SetSavedImage(const TParameterRecord& image) { saved_ = image; }

    // Recomputes the derived counts and relay flags from the record.
    void Derive();

    int AcquisitionFolderCount() const { return folderCount_; }
    int ModuleCount() const { return moduleCount_; }
    bool NetworkActive() const { return relay_ != RelayMode::None; }
    bool IsServer() const { return relay_ == RelayMode::Server; }
    bool IsClient() const { return relay_ == RelayMode::Client; }
    // The relay's server directory as of the last load (bytes, code page 1252).
    const std::string& ServerDirectoryText() const { return serverDirectory_; }

    // Accessors
    int InterfaceNumber() const { return record_.Nummer; }
    int BaudFactor() const { return record_.BaudFaktor; }
    int BaudFactor2() const { return record_.BaudFaktor2; }
    int PortNumber() const { return record_.Schnittstelle; }
    int PcBaudFactor() const { return record_.BaudFaktorPC; }
    int MemorySizeCode() const { return record_.Speichergroesse; }
    std::string FolderName(int index) const { return record_.Ordner[index].str(); }
    int FolderUnits(int index) const { return record_.Units[index]; }
    // Module code at ring position 1..256; 0 past the list.
    int ModuleCodeAt(int position) const { return record_.Modulanordnung[position - 1]; }
    ovis::RelayMode Relay() const { return relay_; }
    int ResetAfterPowerLoss() const { return record_.ResetNachSpannungsverlust; }
    int ResetAtMidnight() const { return record_.ResetUmMitternacht; }
    int BusExtension() const { return record_.Systemerweiterung; }

private:
    TParameterRecord record_;
    TParameterRecord saved_;
    int folderCount_ = 0;
    int moduleCount_ = 0;
    ovis::RelayMode relay_ = RelayMode::None;
    std::string serverDirectory_;
};

}  // namespace ovis
