#include "link/configuration_image_transfer.h"

#include <algorithm>

#include "link/configuration_image_sources.h"
#include "link/interface_commands.h"
#include "records/io_error.h"

namespace ovis {

namespace {

constexpr int kPreparePauseMs = 100;
constexpr int kTelegramPauseMs = 10;

bool Ok(const Link& link) { return link.Result() == LinkResult::Ok; }

void Send(Link& link, std::uint8_t interfaceAddress, const MemoryWrite& write) {
    auto payload = MemoryWritePayload(write.area, write.address, write.data);
    payload[1] = write.bank;
    link.Prepare(interfaceAddress, command::kMemoryWrite, payload);
    link.SendTelegram();
    link.WaitMs(kTelegramPauseMs);
}

}  // namespace

std::string FreeBytesText(const std::string& stepText, int freeBytes) {
    return stepText + " (" + std::to_string(freeBytes) + " Bytes frei)";
}

bool TransferConfiguration(Link& link, Dialogs& dialogs, ProgressWindow& progress, std::uint8_t interfaceAddress,
                           const ConfigurationBuild& build) {
    if (build.checkFailure) {
        dialogs.Error(*build.checkFailure);
        return true;
    }
    const ConfigurationImage& image = build.image;
    if (!Ok(link)) return false;
    progress.SetMaximum(image.progressMaximum);
    progress.SetPosition(0);

    link.Prepare(interfaceAddress, command::kPrepare);
    link.SendTelegram();
    link.WaitMs(kPreparePauseMs);

    int position = 0;
    for (std::size_t i = 0; i < image.configuration.size() && Ok(link); ++i) {
        position = std::min(position + 1, image.progressMaximum);
        progress.SetPosition(position);
        if (i == image.systemHeaderWrite) progress.SetStepText(FreeBytesText(kConfigurationStepText, image.freeBytes));
        Send(link, interfaceAddress, image.configuration[i]);
    }

    if (image.outputData.empty() || !Ok(link)) return false;
    progress.SetStepText(kOutputDataStepText);
    progress.SetMaximum(int(image.outputData.size()));
    for (std::size_t file = 0; file < image.outputData.size() && Ok(link); ++file) {
        progress.SetPosition(int(file) + 1);
        for (const auto& write : image.outputData[file]) {
            if (!Ok(link)) break;
            Send(link, interfaceAddress, write);
        }
    }
    return false;
}

bool ConfigureProject(Link& link, Dialogs& dialogs, ProgressWindow& progress, const std::filesystem::path& projectDir,
                      const ProjectTables& tables, const LocalDateTime& now, bool withBackup) {
    ConfigurationBuild build;
    try {
        const ConfigurationSources sources = LoadConfigurationSources(projectDir, tables);
        build = BuildConfigurationImage(sources.Inputs(tables, now, withBackup));
    } catch (const IoError& e) {
        build.checkFailure = e.what();
    }
    return TransferConfiguration(link, dialogs, progress, tables.parameters.Record().Nummer, build);
}

}  // namespace ovis
