// ovisctl report: a report of a project as a PDF file, drawn as the print preview draws it.
//   report PROJEKTVERZEICHNIS io --pdf DATEI
//   report PROJEKTVERZEICHNIS program PROGRAMM --pdf DATEI
//   report PROJEKTVERZEICHNIS analyser DATEI --folder N --pdf DATEI
//   report PROJEKTVERZEICHNIS statistics DATEI --folder N --tab T [--ms] --pdf DATEI
// The analyser shows its opening window (division "Stunden" from 00:00 of the first event); the
// statistics take the project's "Statistik.ofp" or its defaults, as `ovisctl statistics` does.
#include <iostream>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/folder_recording.h"
#include "cli/folder_statistics.h"
#include "cli/project_loading.h"
#include "cli/report_pdf.h"
#include "evaluation/analyser_model.h"
#include "evaluation/analyser_print_picture.h"
#include "platform/clock.h"
#include "records/io_error.h"
#include "records/terminal_text.h"
#include "records/typed_file.h"
#include "reports/analyser_report.h"
#include "reports/io_report.h"
#include "reports/program_report.h"
#include "reports/report_date.h"
#include "reports/report_messages.h"
#include "reports/statistics_report.h"

namespace ovis::cli {
namespace {

constexpr int kReportFailedCode = 1;
constexpr int kProjectUnreadable = 2;

// Nothing, reported, in a build without Qt.
std::unique_ptr<ReportPdfWriter> PdfWriter() {
    auto writer = OpenReportPdfWriter();
    if (!writer) std::cerr << kReportFailed << "\nDieses ovisctl wurde ohne Qt gebaut und schreibt keine PDF-Dateien.\n";
    return writer;
}

int WritePdf(ReportPdfWriter& writer, const Report& report, const std::string& output) {
    const auto pdf = writer.Pdf(report);
    if (!pdf) {
        std::cerr << kReportFailed << '\n';
        return kReportFailedCode;
    }
    WriteFileAtomically(output, *pdf);
    std::cout << EscapeControlCharacters(output) << '\n';
    return 0;
}

// The project and the recording of an evaluation report; nothing, reported, when they cannot be read.
std::optional<FolderRecording> LoadRecording(const Arguments& a) {
    const auto folder = a.IntegerOption("folder", -1000000, 1000000);
    if (!folder) throw UsageError("--folder N fehlt");
    const Arguments projectAndFile({a.Positional()[0], a.Positional()[2]}, {}, {}, 2);
    try {
        return LoadFolderRecording(projectAndFile, *folder);
    } catch (const IoError& e) {
        std::cerr << TerminalLines(e.what()) << '\n';
        return std::nullopt;
    }
}

int AnalyserReportCommand(const Arguments& a, const std::string& output) {
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::filesystem::path file = a.Required(2, "DATEI");
    const auto loaded = LoadRecording(a);
    if (!loaded) return kProjectUnreadable;
    AnalyserModel model;
    if (!model.Open(*loaded->recording, loaded->rows, kPrintColumns)) {
        std::cerr << TerminalLines(NoEventsText(file.filename().string())) << '\n';
        return kProjectUnreadable;
    }
    const AnalyserPrintPicture picture = BuildAnalyserPrintPicture(loaded->recording->Events(), model.Rows(), 1,
                                                                   model.View());
    const auto writer = PdfWriter();
    if (!writer) return kReportFailedCode;
    ReportPicture image = writer->AnalyserPicture(picture);
    if (image.width == 0) {
        std::cerr << kAnalyserPreviewFailed << '\n';
        return kReportFailedCode;
    }
    const Report report = AnalyserReport(std::move(image), projectDir.filename().string(), file.filename().string(),
                                         kDivisions[std::size_t(model.Division() - 1)].Name,
                                         ReportDate(SystemClock().Now()));
    return WritePdf(*writer, report, output);
}

int StatisticsReportCommand(const Arguments& a, const std::string& output) {
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::filesystem::path file = a.Required(2, "DATEI");
    const auto tabNumber = a.IntegerOption("tab", 0, 3);
    if (!tabNumber) throw UsageError("--tab 0|1|2|3 fehlt");
    const auto tab = static_cast<StatisticsTab>(*tabNumber);
    const DurationUnit unit = a.Flag("ms") ? DurationUnit::Milliseconds : DurationUnit::Seconds;
    const auto loaded = LoadRecording(a);
    if (!loaded) return kProjectUnreadable;

    const auto computed = ComputeFolderStatistics(projectDir, file, *loaded, tab, unit);
    if (!computed) return kProjectUnreadable;
    const StatisticsResult& result = computed->result;
    if (!StatisticsPrintable(&result)) {
        std::cerr << kStatisticsNotComputed << '\n';
        return kReportFailedCode;
    }
    const std::string projectName = projectDir.filename().string();
    const std::string fileName = file.filename().string();
    const std::string date = ReportDate(SystemClock().Now());
    const auto writer = PdfWriter();
    if (!writer) return kReportFailedCode;
    return WritePdf(*writer,
                    StatisticsReport({computed->settings, tab, unit, computed->names, result, projectName, fileName, date}),
                    output);
}

int ReportCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"pdf", "folder", "tab"}, {"ms"}, 3);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::string& kind = a.Required(1, "BERICHT");
    const bool program = kind == "program";
    const bool named = program || kind == "analyser" || kind == "statistics";
    if (!named && kind != "io")
        throw UsageError("unbekannter Bericht \"" + kind +
                         "\" (bekannt: io, program PROGRAMM, analyser DATEI, statistics DATEI)");
    const std::string name = named ? a.Required(2, program ? "PROGRAMM" : "DATEI") : std::string();
    if (!named && a.Positional().size() > 2) throw UsageError("der Anschlussplan wird ohne Namen gedruckt");
    const auto output = a.Option("pdf");
    if (!output) throw UsageError("--pdf DATEI fehlt");
    if (kind == "analyser") return AnalyserReportCommand(a, *output);
    if (kind == "statistics") return StatisticsReportCommand(a, *output);
    auto tables = std::make_unique<ProjectTables>();
    // A table left empty because its file could not be read would print as an empty list.
    if (LoadProjectTables(*tables, projectDir, program ? std::optional(name) : std::nullopt) != ProjectLoad::Loaded) return kProjectUnreadable;

    const std::string projectName = projectDir.filename().string();
    const std::string date = ReportDate(SystemClock().Now());
    const Report report = program ? ProgramReport(tables->program.lines, tables->program.name, projectName, date)
                                  : IoReport(tables->io, tables->parameters.Record(), projectName, date);
    const auto writer = PdfWriter();
    if (!writer) return kReportFailedCode;
    return WritePdf(*writer, report, *output);
}

CommandRegistration report{"report",
                           "report PROJEKTVERZEICHNIS io|program PROGRAMM|analyser DATEI --folder N|statistics DATEI "
                           "--folder N --tab 0|1|2|3 [--ms] --pdf DATEI",
                           ReportCommand};

}  // namespace
}  // namespace ovis::cli
