// ovisctl image, configure and numbers: the configuration image of a project, its transfer to
// an Interface and the message numbering.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/link_session.h"
#include "cli/stderr_dialogs.h"
#include "link/configuration_image_sources.h"
#include "link/configuration_image_transfer.h"
#include "project/project_store.h"
#include "records/codepage.h"
#include "records/terminal_text.h"

namespace ovis::cli {
namespace {

constexpr int kProjectUnreadable = 2;

// Loads every table of the project; false (with the message on stderr) when a file is damaged.
bool LoadProject(const std::filesystem::path& projectDir, ProjectTables& tables) {
    StderrDialogs dialogs;
    ProjectStore store(tables, dialogs, projectDir.parent_path());
    try {
        store.LoadAllTablesFrom(projectDir);
        return true;
    } catch (const IoError& e) {
        std::cerr << TerminalLines(e.what()) << '\n';
        return false;
    }
}

// "AREA ADDRESS BYTES": area decimal, address as four upper-case hex digits, the bytes as
// upper-case hex pairs.
std::string WriteLine(const MemoryWrite& write) {
    char head[16];
    std::snprintf(head, sizeof head, "%d %04X", int(write.area), unsigned(write.address));
    std::string line = head;
    for (std::uint8_t byte : write.data) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", unsigned(byte));
        line += hex;
    }
    return line;
}

int ImageCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {"backup"}, 1);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    auto tables = std::make_unique<ProjectTables>();
    if (!LoadProject(projectDir, *tables)) return kProjectUnreadable;
    ConfigurationBuild build;
    try {
        const ConfigurationSources sources = LoadConfigurationSources(projectDir, *tables);
        build = BuildConfigurationImage(sources.Inputs(*tables, SystemClock().Now(), a.Flag("backup")));
    } catch (const IoError& e) {
        std::cerr << TerminalLines(e.what()) << '\n';
        return kProjectUnreadable;
    }
    if (build.checkFailure) {
        std::cerr << TerminalLines(*build.checkFailure) << '\n';
        return 1;
    }
    std::string out;
    for (const auto& write : build.image.configuration) out += WriteLine(write) + '\n';
    for (const auto& file : build.image.outputData)
        for (const auto& write : file) out += WriteLine(write) + '\n';
    out += std::to_string(build.image.freeBytes) + " Bytes frei\n";
    std::cout << out;
    return 0;
}

int ConfigureCommand(const std::vector<std::string>& args) {
    Arguments a(args, kLinkValueOptions, {"trace", "backup"}, 1);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    if (a.Option("project")) throw UsageError("--project gilt hier nicht: das Projekt ist PROJEKTVERZEICHNIS");
    auto tables = std::make_unique<ProjectTables>();
    if (!LoadProject(projectDir, *tables)) return kProjectUnreadable;
    LinkSession session(a);
    auto& number = session.parameters().Record().Nummer;
    if (!a.Option("number")) number = tables->parameters.Record().Nummer;
    tables->parameters.Record().Nummer = number;

    StderrDialogs dialogs;
    session.actions().SetTransferConfiguration([&](bool withBackup, ProgressWindow& progress) {
        return ConfigureProject(session.link(), dialogs, progress, projectDir, *tables, SystemClock().Now(), withBackup);
    });
    if (!session.OpenPort()) return 1;
    session.actions().StartAction(a.Flag("backup") ? ActionTag::ConfigureWithBackup : ActionTag::Configure);
    session.actions().Timer1Timer();
    return session.actions().LastActionCompleted() ? 0 : 1;
}

int NumbersCommand(const std::vector<std::string>& args) {
    Arguments a(args, {}, {}, 1);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    auto tables = std::make_unique<ProjectTables>();
    if (!LoadProject(projectDir, *tables)) return kProjectUnreadable;
    std::string out;
    try {
        const ConfigurationSources sources = LoadConfigurationSources(projectDir, *tables);
        const std::vector<std::string> outputNames = OutputFileNames(sources.outputFiles);
        const MessageNumbering numbering =
            NumberMessages(sources.Inputs(*tables, SystemClock().Now(), false), outputNames);
        for (const auto& message : numbering.Messages())
            out += std::to_string(message.number) + ' ' + std::string(MessageKindName(message.kind)) + ' ' +
                   EscapeControlCharacters(ToUtf8(message.name)) + '\n';
    } catch (const IoError& e) {
        std::cerr << TerminalLines(e.what()) << '\n';
        return kProjectUnreadable;
    }
    std::cout << out;
    return 0;
}

CommandRegistration image{"image", "image PROJEKTVERZEICHNIS [--backup]", ImageCommand};
CommandRegistration configure{"configure",
                              "configure PROJEKTVERZEICHNIS --port DEV [--number N] [--baud RATE] [--trace] [--backup]",
                              ConfigureCommand};
CommandRegistration numbers{"numbers", "numbers PROJEKTVERZEICHNIS", NumbersCommand};

}  // namespace
}  // namespace ovis::cli
