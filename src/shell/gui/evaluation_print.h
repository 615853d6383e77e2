#pragma once
// "&Drucken..." of the analyser and of the statistics window: their reports in the print preview.
#include <filesystem>
#include <string>

class QPrinter;

namespace ovis {
class Dialogs;
}

namespace ovis::gui {

class TFormAnalyser;
class TFormStatistik;

// The picture of the analyser showing `file`; a failure to draw it shows the preview error.
void PrintAnalyser(TFormAnalyser& analyser, const std::filesystem::path& file, const std::string& projectName,
                   const std::string& date, QPrinter& printer, Dialogs& dialogs);

// The current tab; without counted events the request to press "Berechnen" first.
void PrintStatistics(TFormStatistik& window, const std::string& projectName, const std::string& date,
                     QPrinter& printer, Dialogs& dialogs);

}  // namespace ovis::gui
