#pragma once
// The transfer of a configuration image to the Interface with memory-write telegrams.
#include <cstdint>
#include <string>

#include <filesystem>

#include "link/configuration_image.h"
#include "link/link.h"
#include "project/project_tables.h"
#include "link/progress.h"
#include "platform/dialogs.h"

namespace ovis {

inline constexpr const char* kConfigurationStepText = "Ovis wird konfiguriert";
inline constexpr const char* kOutputDataStepText = "Übertragung der Daten";

// " (N Bytes frei)" behind the step text.
std::string FreeBytesText(const std::string& stepText, int freeBytes);

// Shows a failed program check as an error box and sends nothing; otherwise sends command 1,
// the configuration writes and the output data, each telegram followed by its pause, and
// stops as soon as the link's result is no longer Ok. True when the configuration failed its
// check (`ConfigurationFailed`).
bool TransferConfiguration(Link& link, Dialogs& dialogs, ProgressWindow& progress, std::uint8_t interfaceAddress,
                           const ConfigurationBuild& build);

// "Neukonfiguration" of the project: reads the program files and the output folder, builds the
// image from the tables in memory and transfers it to the Interface `Nummer`. True when the
// configuration failed before anything was sent (`ConfigurationFailed`): its check failed, or a
// file it needs is damaged or could not be read; the error box shows why.
bool ConfigureProject(Link& link, Dialogs& dialogs, ProgressWindow& progress, const std::filesystem::path& projectDir,
                      const ProjectTables& tables, const LocalDateTime& now, bool withBackup);

}  // namespace ovis
