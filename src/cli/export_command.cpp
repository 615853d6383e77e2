// ovisctl export: the shown messages of a recording as a value change dump or a CSV list, on
// stdout or, with -o, written atomically to a file.
#include <iostream>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/folder_recording.h"
#include "evaluation/recording_export.h"
#include "records/terminal_text.h"

namespace ovis::cli {
namespace {

constexpr int kRefused = 1;

ExportFormat FormatOption(const Arguments& a) {
    const auto text = a.Option("format");
    if (!text) throw UsageError("--format vcd|csv fehlt");
    if (*text == "vcd") return ExportFormat::Vcd;
    if (*text == "csv") return ExportFormat::Csv;
    throw UsageError("--format nimmt vcd oder csv");
}

int ExportCommand(const std::vector<std::string>& args) {
    std::vector<std::string> spelled = args;
    for (std::string& arg : spelled)
        if (arg == "-o") arg = "--output";
    Arguments a(spelled, {"folder", "format", "output"}, {}, 2);
    const auto folder = a.IntegerOption("folder", -1000000, 1000000);
    if (!folder) throw UsageError("--folder N fehlt");
    const ExportFormat format = FormatOption(a);
    const auto loaded = LoadFolderRecording(a, *folder);
    if (!loaded) return kRefused;
    const TRecording& recording = *loaded->recording;
    if (const auto output = a.Option("output")) {
        if (const auto error = ExportRecordingFile(*output, recording, loaded->rows, format)) {
            std::cerr << TerminalLines(*error) << '\n';
            return kRefused;
        }
        return 0;
    }
    if (const auto refusal = ExportRefusal(recording, loaded->rows)) {
        std::cerr << TerminalLines(*refusal) << '\n';
        return kRefused;
    }
    WriteExport(std::cout, recording.Events(), loaded->rows, format);
    std::cout.flush();
    return std::cout ? 0 : kRefused;
}

const CommandRegistration kExport{
    "export", "export PROJEKTVERZEICHNIS DATEI --folder N --format vcd|csv [-o AUSGABE]", ExportCommand};

}  // namespace
}  // namespace ovis::cli
