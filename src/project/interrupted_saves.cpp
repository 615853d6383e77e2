#include "project/interrupted_saves.h"

#include <algorithm>
#include <array>

#include "project/io_tables.h"
#include "project/led_parameters.h"
#include "project/led_table.h"
#include "project/listed_files.h"
#include "project/message_tables.h"
#include "project/program_files.h"
#include "project/project_store.h"
#include "project/recording_event.h"
#include "project/selection_table.h"
#include "project/system_parameters.h"
#include "records/typed_file.h"

namespace ovis {
namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 10> kProjectFileNames = {
    kParameterFileName, kLedParameterFileName, kSelectionFileName, kGroupFileName,  kCounterFileName,
    kTimerFileName,     kLedFileName,          kIoFileName,        kSignalFileName, kStatisticsFileName};

// Removes the left-behind temporaries in `dir` (not below it) whose target is accepted.
template <typename Accepts>
void RemoveIn(const fs::path& dir, fs::file_time_type now, Accepts accepts) {
    std::error_code ec;
    std::vector<fs::path> stale;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const auto target = SaveTempTarget(it->path().filename().string());
        std::error_code entryError;
        if (!target || !accepts(*target) || it->is_symlink(entryError) || !it->is_regular_file(entryError)) continue;
        if (!fs::is_regular_file(dir / *target, entryError)) continue;
        const auto written = it->last_write_time(entryError);
        if (!entryError && written + kInterruptedSaveAge < now) stale.push_back(it->path());
    }
    for (const auto& path : stale) fs::remove(path, ec);
}

}  // namespace

void RemoveInterruptedSaves(const fs::path& projectDir, fs::file_time_type now) {
    RemoveIn(projectDir, now, [](const std::string& target) {
        return std::any_of(kProjectFileNames.begin(), kProjectFileNames.end(),
                           [&](const char* name) { return target == name; });
    });
    RemoveIn(ProgramsDirectory(projectDir), now,
             [](const std::string& target) { return HasExtension(target, kProgramExtension); });
    // Recordings lie in the folders below "Daten"; links are not followed.
    const fs::path data = ResolveInDirectory(projectDir, "Daten");
    std::vector<fs::path> folders{data};
    std::error_code ec;
    for (fs::recursive_directory_iterator it(data, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (!it->is_symlink(entryError) && it->is_directory(entryError)) folders.push_back(it->path());
    }
    auto recordings = [](const std::string& target) { return HasExtension(target, kRecordingExtension); };
    for (const auto& folder : folders) RemoveIn(folder, now, recordings);
}

}  // namespace ovis
