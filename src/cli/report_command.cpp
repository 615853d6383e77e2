// ovisctl report: a report of a project as a PDF file, drawn as the print preview draws it.
//   report PROJEKTVERZEICHNIS io --pdf DATEI
//   report PROJEKTVERZEICHNIS program PROGRAMM --pdf DATEI
#include <iostream>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/report_pdf.h"
#include "cli/stderr_dialogs.h"
#include "platform/clock.h"
#include "project/project_store.h"
#include "project/table_readability.h"
#include "records/io_error.h"
#include "records/terminal_text.h"
#include "records/typed_file.h"
#include "reports/io_report.h"
#include "reports/program_report.h"
#include "reports/report_date.h"
#include "reports/report_messages.h"

namespace ovis::cli {
namespace {

constexpr int kReportFailedCode = 1;
constexpr int kProjectUnreadable = 2;

int ReportCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"pdf"}, {}, 3);
    const std::filesystem::path projectDir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::string& kind = a.Required(1, "BERICHT");
    const bool program = kind == "program";
    if (!program && kind != "io") throw UsageError("unbekannter Bericht \"" + kind + "\" (bekannt: io, program PROGRAMM)");
    const std::string programName = program ? a.Required(2, "PROGRAMM") : std::string();
    if (!program && a.Positional().size() > 2) throw UsageError("nur Programme werden mit Namen gedruckt");
    const auto output = a.Option("pdf");
    if (!output) throw UsageError("--pdf DATEI fehlt");

    auto tables = std::make_unique<ProjectTables>();
    StderrDialogs dialogs;
    ProjectStore store(*tables, dialogs, projectDir.parent_path());
    try {
        store.LoadAllTablesFrom(projectDir);
        if (program) {
            if (!ProgramFileExists(projectDir, programName)) {
                std::cerr << "Das Programm \"" << EscapeControlCharacters(programName) << "\" existiert nicht.\n";
                return kProjectUnreadable;
            }
            tables->program.Load(projectDir, programName);
        }
    } catch (const IoError& e) {
        std::cerr << TerminalLines(e.what()) << '\n';
        return kProjectUnreadable;
    }
    // A table left empty because its file could not be read would print as an empty list.
    if (const auto unreadable = UnreadableTableMessage(*tables)) {
        std::cerr << TerminalLines(*unreadable) << '\n';
        return kProjectUnreadable;
    }

    const std::string projectName = projectDir.filename().string();
    const std::string date = ReportDate(SystemClock().Now());
    const Report report = program ? ProgramReport(tables->program.lines, tables->program.name, projectName, date)
                                  : IoReport(tables->io, tables->parameters.Record(), projectName, date);
    auto writer = OpenReportPdfWriter();
    if (!writer) {
        std::cerr << kReportFailed << "\nDieses ovisctl wurde ohne Qt gebaut und schreibt keine PDF-Dateien.\n";
        return kReportFailedCode;
    }
    const auto pdf = writer->Pdf(report);
    if (!pdf) {
        std::cerr << kReportFailed << '\n';
        return kReportFailedCode;
    }
    WriteFileAtomically(*output, *pdf);
    std::cout << EscapeControlCharacters(*output) << '\n';
    return 0;
}

CommandRegistration report{"report", "report PROJEKTVERZEICHNIS io|program PROGRAMM --pdf DATEI", ReportCommand};

}  // namespace
}  // namespace ovis::cli
