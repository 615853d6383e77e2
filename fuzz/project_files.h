#pragma once
// The files of a base directory and its project that the project target feeds with fuzz bytes:
// the first byte of an input picks one of them (modulo their number), the rest is its content.
#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

#include "project/system_parameters.h"
#include "project/selection_table.h"
#include "project/led_parameters.h"
#include "project/led_table.h"
#include "link/firmware_image.h"
#include "project/program_files.h"
#include "project/project_store.h"
#include "project/io_tables.h"
#include "project/message_tables.h"

namespace ovis::fuzz {

enum class FuzzedFile : std::uint8_t {
    Io,
    Signals,
    Groups,
    Counters,
    Timers,
    Led,
    MainProgram,
    Parameters,
    LedParameters,
    Selection,
    Settings,  // in the base directory
    Firmware,  // in the base directory
};
inline constexpr std::size_t kFuzzedFileCount = 12;

inline FuzzedFile FuzzedFileOf(std::uint8_t selector) { return FuzzedFile(selector % kFuzzedFileCount); }

inline std::filesystem::path FuzzedFilePath(FuzzedFile file, const std::filesystem::path& base,
                                            const std::filesystem::path& projectDir) {
    switch (file) {
        case FuzzedFile::Io: return projectDir / kIoFileName;
        case FuzzedFile::Signals: return projectDir / kSignalFileName;
        case FuzzedFile::Groups: return projectDir / kGroupFileName;
        case FuzzedFile::Counters: return projectDir / kCounterFileName;
        case FuzzedFile::Timers: return projectDir / kTimerFileName;
        case FuzzedFile::Led: return projectDir / kLedFileName;
        case FuzzedFile::MainProgram: return ProgramFilePath(projectDir, kMainProgram);
        case FuzzedFile::Parameters: return projectDir / kParameterFileName;
        case FuzzedFile::LedParameters: return projectDir / kLedParameterFileName;
        case FuzzedFile::Selection: return projectDir / kSelectionFileName;
        case FuzzedFile::Settings: return base / kSettingsFileName;
        case FuzzedFile::Firmware: return base / kFirmwareFileName;
    }
    return {};
}

}  // namespace ovis::fuzz
