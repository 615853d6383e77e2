#pragma once
// The I/O terminal plan and the signal designation table, with their files and default contents.
#include <array>
#include <filesystem>

#include "project/io_records.h"
#include "project/record_table.h"

namespace ovis {

inline constexpr const char* kIoFileName = "IO.ofd";
inline constexpr const char* kSignalFileName = "IOSignale.ofd";
inline constexpr const char* kModuleNotAssigned = "nicht belegt";

using IoTable = RecordTable<TIoRecord>;

// "IO.ofd" of the project directory; a file that cannot be opened is an IoError.
TableLoadResult LoadIoTable(IoTable& table, const std::filesystem::path& projectDir);
void SaveIoTable(IoTable& table, const std::filesystem::path& projectDir);

// Output rows: `Typ` "Relais", "LED", "Opto" or "Trans".
bool IsOutputRow(const TIoRecord& row);
// Input rows: `Typ` "AC", "DC" or "Taste".
bool IsInputRow(const TIoRecord& row);

// The 32 default rows of the terminal plan.
void ResetIoRows(IoTable& table);

class SignalTable {
public:
    SignalTable();

    // Module position 1..20.
    TIoSignalRecord& Module(int position) { return records_.at(position - 1); }
    const TIoSignalRecord& Module(int position) const { return records_.at(position - 1); }
    const TIoSignalRecord& SavedModule(int position) const { return saved_.at(position - 1); }
    void TakeSavedImage() { saved_ = records_; }

    // Reads the first 20 records of "IOSignale.ofd"; a missing file or one with fewer than
    // 20 records is an IoError and leaves the table unchanged.
    void Load(const std::filesystem::path& projectDir);
    void Save(const std::filesystem::path& projectDir);

    // Every designation empty, every module "nicht belegt" (the state of a new project).
    void ClearToUnassigned();
    // The default designations for two OPTO16 modules.
    void ResetSignals();

private:
    std::array<TIoSignalRecord, kSignalModules> records_;
    std::array<TIoSignalRecord, kSignalModules> saved_;
};

}  // namespace ovis
