#pragma once
// The temporary files that an interrupted atomic save leaves beside a project
// file.
#include <chrono>
#include <filesystem>

namespace ovis {

// How old a save's temporary file must be before it counts as left behind.
inline constexpr std::chrono::minutes kInterruptedSaveAge{1};

// Removes from the project the temporary files of its own saves that were
// interrupted: a regular file named exactly as the atomic save names its
// temporary file, lying beside the project file it belongs to (a table or
// parameter file of the project folder, a program of "Programme", a recording
// below "Daten"), last written more than kInterruptedSaveAge before `now`.
// Every other file is left alone; failures are ignored.
void RemoveInterruptedSaves(const std::filesystem::path& projectDir,
                            std::filesystem::file_time_type now = std::filesystem::file_time_type::clock::now());

}  // namespace ovis
