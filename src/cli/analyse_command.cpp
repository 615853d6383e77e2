// ovisctl analyse: the analyser's diagram of a recording as text.
//   LINKS<TAB>dd.mm.yyyy<TAB>hh:mm:ss,mmmuu   the left edge
//   RECHTS<TAB>...                            the right edge
//   DATEN<TAB>FIRST<TAB>LAST                  the first and the last data column
//   ROW<TAB>MESSAGE<TAB>NAME<TAB>CODES        per shown row: the state digits of columns 0..N
#include <iostream>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "cli/folder_recording.h"
#include "evaluation/analyser_model.h"
#include "evaluation/analyser_time_labels.h"
#include "records/codepage.h"
#include "records/terminal_text.h"

namespace ovis::cli {
namespace {

constexpr int kDoesNotFit = 1;

std::string EdgeLine(const char* key, const TTimeStamp& t) {
    return std::string(key) + '\t' + DateLabel(t) + '\t' + TimeLabel(t) + '\n';
}

std::string Diagram(const AnalyserModel& model) {
    std::string out = EdgeLine("LINKS", model.View().left) + EdgeLine("RECHTS", model.View().right);
    out += "DATEN\t" + std::to_string(model.FirstDataColumn()) + '\t' + std::to_string(model.LastDataColumn()) + '\n';
    const AnalyserRows& rows = model.Rows();
    for (int r = 1; r <= rows.Count(); ++r) {
        out += std::to_string(r) + '\t' + std::to_string(rows.Message(r)) + '\t' +
               EscapeControlCharacters(ToUtf8(rows.Name(r))) + '\t';
        for (int c = 0; c <= model.Columns(); ++c) out += char('0' + model.State(r, c));
        out += '\n';
    }
    return out;
}

int AnalyseCommand(const std::vector<std::string>& args) {
    Arguments a(args, {"folder", "division", "left", "columns"}, {}, 2);
    const auto folder = a.IntegerOption("folder", -1000000, 1000000);
    if (!folder) throw UsageError("--folder N fehlt");
    const auto division = a.IntegerOption("division", 1, 9);
    const int columns = a.IntegerOption("columns", 60, 110).value_or(60);
    if (columns != 60 && columns != 80 && columns != 110) throw UsageError("--columns nimmt 60, 80 oder 110");
    std::optional<TTimeStamp> left;
    if (const auto text = a.Option("left")) {
        left = ParseStampText(*text);
        if (!left) throw UsageError("--left erwartet \"tt.mm.jjjj hh:mm:ss,fffff\"");
    }
    const auto loaded = LoadFolderRecording(a, *folder);
    if (!loaded) return kDoesNotFit;

    auto model = std::make_unique<AnalyserModel>();
    if (!model->Open(*loaded->recording, loaded->rows, columns)) {
        std::cerr << TerminalLines(NoEventsText(loaded->recording->FileName())) << '\n';
        return kDoesNotFit;
    }
    if (division || left) model->SetWindow(division.value_or(kOpeningDivision), left.value_or(model->View().left));
    std::cout << Diagram(*model) << std::flush;
    return std::cout ? 0 : 1;
}

const CommandRegistration kAnalyse{
    "analyse", "analyse PROJEKTVERZEICHNIS DATEI --folder N [--division D] [--left \"tt.mm.jjjj hh:mm:ss,fffff\"] [--columns 60|80|110]",
    AnalyseCommand};

}  // namespace
}  // namespace ovis::cli
