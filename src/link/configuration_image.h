#pragma once
// The configuration image: the whole project compiled into the memory writes that
// "Neukonfiguration" sends to the Interface, in transfer order and cut into telegrams.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "project/parameter_record.h"
#include "project/led_record.h"
#include "link/interface_commands.h"
#include "platform/clock.h"
#include "project/message_numbering.h"
#include "programs/program_set.h"
#include "project/output_file_table.h"
#include "project/counter_record.h"
#include "project/group_record.h"
#include "project/io_records.h"
#include "project/timer_record.h"

namespace ovis {

inline constexpr std::uint16_t kSystemHeaderAddress = 0x8000;
inline constexpr std::uint16_t kInputCountAddress = 0x8040;
inline constexpr std::uint16_t kFolderRecordsAddress = 0x8100;
inline constexpr std::uint16_t kLaterFolderRecordsAddress = 0x8180;
inline constexpr std::uint16_t kTableDirectoryAddress = 0x8200;
inline constexpr std::uint16_t kLedIndexAddress = 0x8800;
inline constexpr std::uint16_t kMessageRecordsAddress = 0x8A80;
inline constexpr int kFreeMemoryBase = 64255;

// One memory-write telegram (command 4): area, the byte after it (0, or the memory code of an
// output-data file), address and data.
struct MemoryWrite {
    MemoryArea area = MemoryArea::Configuration;
    std::uint8_t bank = 0;
    std::uint16_t address = 0;
    std::vector<std::uint8_t> data;
};

// One event of an output-data file: its word (message number and level) and its time in
// seconds of the year.
struct OutputEvent {
    std::uint16_t word = 0;
    double seconds = 0;
};

struct ConfigurationInputs {
    const TParameterRecord* parameters = nullptr;
    int ledModules = 0;  // `AnzahlModule` of the LED parameters
    std::span<const TIoRecord> io;
    std::span<const TLedRecord> led;
    std::span<const TCounterRecord> counters;
    std::span<const TTimerRecord> timers;
    std::span<const TGruppeRecord> groups;
    const ProgramSet* programs = nullptr;
    std::span<const OutputFile> outputFiles;
    std::span<const std::vector<OutputEvent>> outputEvents;  // per output file
    LocalDateTime now;
    bool withBackup = false;
};

struct ConfigurationImage {
    std::vector<MemoryWrite> configuration;           // area 3, in transfer order
    std::size_t systemHeaderWrite = 0;                // index of the SystemHeader in `configuration`
    int freeBytes = 0;                                // shown as " (N Bytes frei)"
    int progressMaximum = 0;
    std::vector<std::vector<MemoryWrite>> outputData; // area 2, per output-data file
};

struct ConfigurationBuild {
    std::optional<std::string> checkFailure;  // the program check's message; nothing is to be sent
    ConfigurationImage image;
};

// The names of the output-data files as the numbering counts them.
std::vector<std::string> OutputFileNames(std::span<const OutputFile> files);
MessageNumbering NumberMessages(const ConfigurationInputs& inputs, std::span<const std::string> outputFileNames);

ConfigurationBuild BuildConfigurationImage(const ConfigurationInputs& inputs);

// The output-data writes of one file's events: up to 29 events per telegram, 30 when only the
// last one would remain.
std::vector<MemoryWrite> OutputDataWrites(const OutputFile& file, std::span<const OutputEvent> events);

// The folder records of folders 0 to 13 as the two telegrams at 0x8100 and 0x8180.
std::array<MemoryWrite, 2> FolderRecordWrites(const TParameterRecord& params);

// Weekday of a date, 0 = Sunday.
int DayOfWeek(int year, int month, int day);

}  // namespace ovis
