// ovisctl search and edit: the analyser's "Ereignis suchen" and its edit commands on a recording.
//   search: VON<TAB>dd.mm.yyyy<TAB>hh:mm:ss,mmmuu<TAB>RECORD, BIS<TAB>...<TAB>RECORD, DATEIENDE
//   edit:   RECORDS<TAB>COUNT after saving; duration prints the information text
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/folder_recording.h"
#include "evaluation/analyser_edit.h"
#include "evaluation/analyser_menu.h"
#include "evaluation/analyser_navigation.h"
#include "evaluation/analyser_time_labels.h"
#include "evaluation/column_states.h"
#include "evaluation/event_search.h"
#include "evaluation/time_range.h"
#include "project/output_file_table.h"
#include "project/project_store.h"
#include "records/codepage.h"
#include "records/terminal_text.h"

namespace ovis::cli {
namespace {

constexpr int kRefused = 1;
constexpr int kUnknownName = 2;

// The row showing the message named `name` (screen text); 0 with a message on stderr.
int RowNamed(const AnalyserRows& rows, const std::string& name) {
    for (int r = 1; r <= rows.Count(); ++r)
        if (ToUtf8(rows.Name(r)) == name) return r;
    std::cerr << "Die Meldung \"" << EscapeControlCharacters(name) << "\" gehört nicht zu den angezeigten Meldungen des Ordners.\n";
    return 0;
}

std::string StampLine(const char* key, const TRecordingEvent& e, std::size_t record) {
    const TTimeStamp t = StampOf(e);
    return std::string(key) + '\t' + DateLabel(t) + '\t' + TimeLabel(t) + '\t' + std::to_string(record) + '\n';
}

int SearchCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"folder", "high", "low", "after"}, {}, 2);
    const auto folder = a.IntegerOption("folder", -1000000, 1000000);
    if (!folder) throw UsageError("--folder N fehlt");
    const int after = a.IntegerOption("after", 0, 1000000).value_or(0);
    auto loaded = LoadFolderRecording(a, *folder);
    if (!loaded) return kRefused;
    SearchConditions conditions;
    for (const auto& [option, condition] : {std::pair{"high", SearchCondition::High}, std::pair{"low", SearchCondition::Low}}) {
        for (const std::string& name : a.Options(option)) {
            const int row = RowNamed(loaded->rows, name);
            if (row == 0) return kUnknownName;
            conditions.Set(loaded->rows.Message(row), condition);
        }
    }
    const TRecording& rec = *loaded->recording;
    const SearchHit hit = SearchEvents(rec.Events(), conditions, std::size_t(after));
    if (hit.r == 0) {
        std::cerr << TerminalLines(SearchNothingFoundText()) << '\n';
        return kRefused;
    }
    std::cout << StampLine("VON", rec.Event(hit.r), hit.r) << StampLine("BIS", rec.Event(hit.s), hit.s);
    if (hit.fileEnd) std::cout << "DATEIENDE\n";
    std::cout << std::flush;
    return std::cout ? 0 : 1;
}

std::optional<TTimeStamp> SecondStamp(const std::string& text) { return ParseStampText(text + ",00000"); }

int Refuse(const std::string& message) {
    std::cerr << TerminalLines(message) << '\n';
    return kRefused;
}

int EditCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"folder", "division", "cursor", "rows"}, {"yes", "off"});
    const auto folder = a.IntegerOption("folder", -1000000, 1000000);
    if (!folder) throw UsageError("--folder N fehlt");
    const auto division = a.IntegerOption("division", 1, 9);
    if (!division) throw UsageError("--division D fehlt");
    const auto cursorText = a.Option("cursor");
    const auto cursor = cursorText ? ParseStampText(*cursorText) : std::nullopt;
    if (!cursor) throw UsageError("--cursor erwartet \"tt.mm.jjjj hh:mm:ss,fffff\"");
    const auto rowsText = a.Option("rows");
    if (!rowsText) throw UsageError("--rows NAME[,NAME...] fehlt");
    const std::string action = a.Required(2, "AKTION");
    const std::vector<std::string>& pos = a.Positional();

    auto loaded = LoadFolderRecording(a, *folder);
    if (!loaded) return kRefused;
    TRecording& rec = *loaded->recording;
    const std::filesystem::path outputDir =
        OutputFolderPath(a.Required(0, "PROJEKTVERZEICHNIS"), loaded->tables->parameters.Record());
    std::error_code ec;
    if (*folder != kOutputFolder || !std::filesystem::equivalent(rec.Path().parent_path(), outputDir, ec))
        return Refuse("Die Datei liegt nicht im Ausgabeordner; nur Dateien des Ausgabeordners lassen sich bearbeiten.");

    // The marked rows and their levels at the cursor: the code of the column [cursor, cursor + 1 unit).
    auto table = std::make_unique<ColumnStateTable>();
    ComputeColumnStates(rec.Events(), loaded->rows, ColumnWindow{*division, 1, *cursor}, *table);
    EditTarget target{{}, *cursor};
    std::vector<int> messages;
    std::vector<std::string> names;
    int lastRow = 0;
    std::stringstream list(*rowsText);
    for (std::string name; std::getline(list, name, ',');) {
        const int row = RowNamed(loaded->rows, name);
        if (row == 0) return kUnknownName;
        target.rows.push_back({loaded->rows.Message(row), table->At(row, 1) == kHighThroughout});
        messages.push_back(loaded->rows.Message(row));
        names.push_back(name);
        lastRow = row;
    }
    if (target.rows.empty()) throw UsageError("--rows NAME[,NAME...] fehlt");

    EditMenuState state;
    state.division = *division;
    state.outputFolder = true;
    state.currentCode = table->At(lastRow, 1);
    state.markedRows = int(target.rows.size());
    state.markedHasRecords = HasRecordFrom3(rec, messages.back());
    state.markedCode = state.currentCode;
    const AnalyserEditMenu menu = EditMenuEnabling(state);
    const auto disabled = [] { return Refuse("Dieser Befehl ist für die markierten Meldungen nicht verfügbar."); };

    EditResult result;
    if (action == "duration") {
        if (!menu.info) return disabled();
        std::cout << TerminalLines(PeriodDurationText(rec, messages.back(), *cursor)) << '\n' << std::flush;
        return std::cout ? 0 : 1;
    } else if (action == "create") {
        if (!menu.erzeugen) return disabled();
        result = CreatePulse(rec, target);
    } else if (action == "delete") {
        if (!menu.loeschen) return disabled();
        result = DeletePeriod(rec, target);
    } else if (action == "begin") {
        if (!menu.anfang) return disabled();
        result = SetPeriodBegin(rec, target);
    } else if (action == "end") {
        if (!menu.ende) return disabled();
        result = SetPeriodEnd(rec, target);
    } else if (action == "add") {
        if (!menu.hinzufuegen) return disabled();
        result = AddMessage(rec, messages.back());
    } else if (action == "remove") {
        if (!menu.entfernen) return disabled();
        result = RemoveMessage(rec, messages.back());
    } else if (action == "shift") {
        if (!menu.verschieben) return disabled();
        const std::string& input = a.Required(3, "WERT");
        const auto value = ParseShiftValue(input);
        if (!value) return Refuse(ShiftNotANumberText(input));
        const bool yes = a.Flag("yes");
        bool asked = false;
        result = ShiftEvents(rec, target, *division, *value, [&] { return asked = true, yes; });
        if (asked && !yes) result.refusal = ShiftBeyondEndQuestion();
    } else if (action == "range" || action == "limits") {
        if (action == "range" ? !menu.bereich : !menu.grenzen) return disabled();
        if (pos.size() != 5) throw UsageError(action + " erwartet \"tt.mm.jjjj hh:mm:ss\" \"tt.mm.jjjj hh:mm:ss\"");
        const auto begin = SecondStamp(pos[3]);
        const auto end = SecondStamp(pos[4]);
        if (!begin || !end) throw UsageError(action + " erwartet \"tt.mm.jjjj hh:mm:ss\" \"tt.mm.jjjj hh:mm:ss\"");
        if (!RangeIsValid({*begin, *end})) return Refuse(WrongRangeText());
        const bool ok = action == "range" ? ApplyEventRange(rec, messages, {*begin, *end}, !a.Flag("off"))
                                          : ApplyFileLimits(rec, {*begin, *end});
        if (!ok) return Refuse(CapacityRefusalText(rec.Count() + 2 * messages.size()));
        result.changed = true;
    } else {
        throw UsageError("Unbekannte Aktion \"" + EscapeControlCharacters(action) + "\"");
    }
    if (!result.refusal.empty()) return Refuse(result.refusal);
    if (pos.size() > (action == "shift" ? 4u : action == "range" || action == "limits" ? 5u : 3u))
        throw UsageError("Überzähliges Argument");
    if (result.changed) rec.Save();
    std::cout << "RECORDS\t" << rec.Count() << '\n' << std::flush;
    return std::cout ? 0 : 1;
}

const CommandRegistration kSearch{"search",
                                  "search PROJEKTVERZEICHNIS DATEI --folder N [--high NAME]... [--low NAME]... [--after DATENSATZ]",
                                  SearchCommand};
const CommandRegistration kEdit{
    "edit",
    "edit PROJEKTVERZEICHNIS DATEI --folder N --division D --cursor \"tt.mm.jjjj hh:mm:ss,fffff\" --rows NAME[,NAME...] "
    "create|delete|begin|end|shift WERT [--yes]|add|remove|range BEGINN ENDE [--off]|limits BEGINN ENDE|duration",
    EditCommand};

}  // namespace
}  // namespace ovis::cli
