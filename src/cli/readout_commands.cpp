// ovisctl units, readout, day-file and files: the evaluation window's work on data units and
// recording files, one line per unit or file, cells separated by tabs.
#include <unistd.h>

#include <charconv>
#include <iostream>
#include <memory>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/link_session.h"
#include "cli/stderr_dialogs.h"
#include "evaluation/day_file.h"
#include "evaluation/evaluation_commands.h"
#include "evaluation/file_name_dialog.h"
#include "evaluation/folder_files.h"
#include "evaluation/folder_tree.h"
#include "link/unit_readout.h"
#include "project/io_tables.h"
#include "project/led_table.h"
#include "project/message_tables.h"
#include "project/system_parameters.h"
#include "records/codepage.h"
#include "records/terminal_text.h"

namespace ovis::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kInvalidName = 2;

// The progress of a read-out on stderr: the step text, then the position, in place on a
// terminal and every tenth of the way otherwise.
class ReadoutProgress final : public ProgressWindows {
public:
    std::unique_ptr<ProgressWindow> Open(const std::string& stepText) override {
        std::cerr << stepText << '\n' << std::flush;
        return std::make_unique<Line>();
    }

private:
    class Line final : public ProgressWindow {
    public:
        ~Line() override {
            if (inPlace_) std::cerr << '\n' << std::flush;
        }
        void SetStepText(const std::string& text) override { text_ = text; }
        void SetMaximum(int maximum) override { maximum_ = maximum; }
        void SetPosition(int position) override {
            if (maximum_ <= 0 || position == 0) return;
            if (terminal_) {
                std::cerr << '\r' << text_ << ' ' << position << '/' << maximum_ << std::flush;
                inPlace_ = true;
                return;
            }
            const int tenth = position * 10 / maximum_;
            if (tenth == shownTenth_) return;
            shownTenth_ = tenth;
            std::cerr << text_ << ' ' << position << '/' << maximum_ << '\n' << std::flush;
        }

    private:
        const bool terminal_ = ::isatty(STDERR_FILENO) != 0;
        std::string text_;
        int maximum_ = 12;
        int shownTenth_ = -1;
        bool inPlace_ = false;
    };
};

struct Project {
    SystemParameters parameters;
    GroupTable groups;
};

std::unique_ptr<Project> LoadProject(const fs::path& dir) {
    auto project = std::make_unique<Project>();
    project->parameters.Load(dir);
    project->groups.LoadExisting(ResolveInDirectory(dir, kGroupFileName));
    return project;
}

int FolderOption(const Arguments& a, int highest) {
    auto folder = a.IntegerOption("folder", 0, highest);
    if (!folder) throw UsageError("--folder fehlt");
    return *folder;
}

// The refusals of a folder whose units cannot be read; true when it may be read.
bool UnitFolderReadable(const Project& project, int folder) {
    const auto& record = project.parameters.Record();
    if (folder != kAllMessagesFolder && folder != kOutputFolder &&
        folder > project.parameters.AcquisitionFolderCount()) {
        std::cerr << "Der Ordner " << folder << " ist im Projekt nicht angelegt.\n";
        return false;
    }
    const std::string refusal = UnitFolderRefusal(folder, record.Ordner[folder].view(), project.groups);
    if (refusal.empty()) return true;
    std::cerr << TerminalLines(refusal) << '\n';
    return false;
}

// The port opened and the folder's units listed; the readout stays ready for their transfer.
struct ListedUnits {
    std::unique_ptr<LinkSession> session;
    StderrDialogs dialogs;
    ReadoutProgress progress;
    std::unique_ptr<UnitReadout> readout;
    DirectoryRead read;
};

// Null when the port could not be opened or the folder not be listed (the message is out).
std::unique_ptr<ListedUnits> ListFolderUnits(const Arguments& a, const Project& project, int folder) {
    auto listed = std::make_unique<ListedUnits>();
    listed->session = OpenProjectSession(a, project.parameters);
    if (!listed->session->OpenPort()) return nullptr;
    listed->readout = std::make_unique<UnitReadout>(listed->session->link(), listed->dialogs, listed->progress,
                                                    listed->session->actions());
    const auto& record = listed->session->parameters().Record();
    listed->read = listed->readout->ListUnits(record.Nummer, folder, record.Units[folder]);
    if (listed->read.outcome != DirectoryOutcome::Listed) return nullptr;
    return listed;
}

std::vector<std::string> With(std::vector<std::string> list, const std::vector<std::string>& more) {
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

// "F-L" with 1 <= F <= L.
std::pair<int, int> UnitRange(const std::string& text) {
    int first = 0, last = 0;
    const auto dash = text.find('-');
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    bool ok = dash != std::string::npos;
    if (ok) {
        auto [p1, e1] = std::from_chars(begin, begin + dash, first);
        auto [p2, e2] = std::from_chars(begin + dash + 1, end, last);
        ok = e1 == std::errc() && p1 == begin + dash && e2 == std::errc() && p2 == end && first >= 1 && first <= last;
    }
    if (!ok) throw UsageError("Ungültiger Wert für --units: \"" + EscapeControlCharacters(text) + "\" (F-L, 1 <= F <= L)");
    return {first, last};
}

int UnitsCommand(const std::vector<std::string>& args) {
    Arguments a(args, With(kLinkValueOptions, {"folder"}), kLinkFlags, 1);
    const fs::path dir = a.Required(0, "PROJEKTVERZEICHNIS");
    const int folder = FolderOption(a, kOutputFolder);
    auto project = LoadProject(dir);
    if (!UnitFolderReadable(*project, folder)) return 1;
    const auto listed = ListFolderUnits(a, *project, folder);
    if (!listed) return 1;
    const auto& units = listed->read.units;
    std::string out;
    for (std::size_t k = 0; k < units.size(); ++k)
        out += std::to_string(k + 1) + '\t' + UnitBeginCell(units[k]).substr(1) + '\n';
    std::cout << out << std::flush;
    return 0;
}

// The name check of a command line name: the message and the exit code when refused.
std::optional<int> RefuseName(FileNameCommand command, const std::string& entered, const fs::path& folderDir,
                              bool overwrite) {
    const NameCheck check =
        CheckFileName(command, entered, [&](const std::string& name) { return RecordingFileExists(folderDir, name); });
    switch (check.verdict) {
        case NameVerdict::Accepted: return std::nullopt;
        case NameVerdict::Empty:
            std::cerr << "Der Dateiname ist leer.\n";
            return kInvalidName;
        case NameVerdict::Forbidden:
        case NameVerdict::NotStorable: std::cerr << TerminalLines(check.message) << '\n'; return kInvalidName;
        case NameVerdict::Exists:
            if (overwrite) return std::nullopt;
            std::cerr << TerminalLines(check.message) << '\n';
            return 1;
    }
    return 1;
}

int ReadoutCommand(const std::vector<std::string>& args) {
    Arguments a(args, With(kLinkValueOptions, {"folder", "units", "name"}), With(kLinkFlags, {"overwrite"}), 1);
    const fs::path dir = a.Required(0, "PROJEKTVERZEICHNIS");
    const int folder = FolderOption(a, kOutputFolder);
    const auto units = a.Option("units");
    if (!units) throw UsageError("--units fehlt");
    const auto [first, last] = UnitRange(*units);
    const auto name = a.Option("name");
    if (!name) throw UsageError("--name fehlt");
    auto project = LoadProject(dir);
    if (!UnitFolderReadable(*project, folder)) return 1;
    const fs::path folderDir = FolderDirectory(dir, project->parameters.Record(), folder);
    if (auto refused = RefuseName(FileNameCommand::Transfer, *name, folderDir, a.Flag("overwrite"))) return *refused;
    const std::string fileName(TrimBlanks(*name));

    const auto listed = ListFolderUnits(a, *project, folder);
    if (!listed) return 1;
    const UnitSelection selection = SelectUnits(first - 1, last - 1, int(listed->read.units.size()));
    if (selection.empty) {
        std::cerr << "Der Ordner hat keine Units im Bereich " << first << '-' << last << ".\n";
        return 1;
    }
    if (selection.tooMany) {
        std::cerr << TerminalLines(kTooManyUnitsText) << '\n';
        return 1;
    }
    const fs::path file = ResolveInDirectory(folderDir, fileName + kRecordingExtension);
    const auto count = listed->readout->TransferUnits(listed->session->parameters().Record().Nummer, folder,
                                                      selection.FirstUnit(), selection.LastUnit(), file);
    if (!count) return 1;
    std::cout << EscapeControlCharacters(file.string()) << '\t' << *count << '\n' << std::flush;
    return 0;
}

LocalDateTime DateOption(const Arguments& a) {
    auto text = a.Option("date");
    if (!text) return SystemClock().Now();
    LocalDateTime date;
    const std::string& t = *text;
    auto number = [&](std::size_t at, std::size_t length, int& value) {
        auto [p, e] = std::from_chars(t.data() + at, t.data() + at + length, value);
        return e == std::errc() && p == t.data() + at + length;
    };
    const bool ok = t.size() == 10 && t[2] == '.' && t[5] == '.' && number(0, 2, date.day) &&
                    number(3, 2, date.month) && number(6, 4, date.year) && date.month >= 1 && date.month <= 12 &&
                    date.day >= 1 && date.day <= 31 && date.year >= 1900 && date.year <= 2155;
    if (!ok) throw UsageError("Ungültiger Wert für --date: \"" + EscapeControlCharacters(t) + "\" (tt.mm.jjjj)");
    return date;
}

int DayFileCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"date"}, {"overwrite"}, 2);
    const fs::path dir = a.Required(0, "PROJEKTVERZEICHNIS");
    const std::string& name = a.Required(1, "NAME");
    const LocalDateTime date = DateOption(a);
    SystemParameters parameters;
    parameters.Load(dir);
    IoTable io;
    LoadIoTable(io, dir);
    LedTable led;
    led.LoadExisting(ResolveInDirectory(dir, kLedFileName));
    const fs::path folderDir = FolderDirectory(dir, parameters.Record(), kOutputFolder);
    if (auto refused = RefuseName(FileNameCommand::Create, name, folderDir, a.Flag("overwrite"))) return *refused;
    std::vector<TRecordingEvent> buffer(kRecordingCapacity);
    const std::size_t count = CreateDayFile(io.Rows(), led.Rows().size(), date, buffer);
    if (count == 0) {
        std::cerr << TerminalLines(NoOutputMessagesText(ToUtf8(parameters.Record().Ordner[kOutputFolder].view())))
                  << '\n';
        return 1;
    }
    const std::string fileName = std::string(TrimBlanks(name)) + kRecordingExtension;
    CreateDirectoryOrThrow(folderDir);
    const fs::path file = ResolveInDirectory(folderDir, fileName);
    WriteRecords(file, buffer.data(), count);
    std::cout << EscapeControlCharacters(file.string()) << '\t' << count << '\n' << std::flush;
    return 0;
}

int FilesCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"folder"}, {}, 1);
    const fs::path dir = a.Required(0, "PROJEKTVERZEICHNIS");
    const int folder = FolderOption(a, kOutputFolder);
    SystemParameters parameters;
    parameters.Load(dir);
    const FolderFileList list = ListFolderFiles(FolderDirectory(dir, parameters.Record(), folder));
    std::string out;
    for (const FolderFileRow& row : list.rows)
        out += EscapeControlCharacters(row.name) + '\t' + row.begin.substr(1) + '\t' + row.size.substr(1) + '\t' +
               row.modified.substr(1) + '\n';
    std::cout << out << std::flush;
    if (list.total > list.rows.size()) std::cerr << FolderListCutNote(list.total) << '\n';
    return 0;
}

CommandRegistration unitsCommand{"units", "units PROJEKTVERZEICHNIS --port DEV --folder N [--number N] [--baud RATE] [--trace]",
                                 UnitsCommand};
CommandRegistration readoutCommand{
    "readout",
    "readout PROJEKTVERZEICHNIS --port DEV --folder N --units F-L --name NAME [--overwrite] [--number N] [--baud RATE] "
    "[--trace]",
    ReadoutCommand};
CommandRegistration dayFileCommand{"day-file", "day-file PROJEKTVERZEICHNIS NAME [--date tt.mm.jjjj] [--overwrite]",
                                   DayFileCommand};
CommandRegistration filesCommand{"files", "files PROJEKTVERZEICHNIS --folder N", FilesCommand};

}  // namespace
}  // namespace ovis::cli
