#pragma once
// Opens the analyser on a recording file ("Datei auswerten" of the evaluation window) and reopens
// it in place after the message selection changed. One analyser is open at a time.
#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <optional>

#include "evaluation/analyser_model.h"
#include "platform/dialogs.h"
#include "project/project_tables.h"
#include "project/recording.h"

namespace ovis::gui {

class TFormAnalyser;

struct AnalyserServices {
    ProjectTables& tables;
    TRecording& recording;  // the process-wide recording buffer
    Dialogs& dialogs;
    std::function<std::filesystem::path()> projectDirectory;
    std::function<void(int context)> showHelp;
    // The main window disables its Interface commands while an analyser is open (true) and
    // enables them again when it closes (false).
    std::function<void(bool open)> analyserOpenChanged;
    // After "Übernehmen" in the message selection: asks for CloseAnalyser and ReopenAnalyser about
    // 10 ms later (the main window's housekeeping timer); unset, a timer of the opener does it.
    std::function<void()> requestReopen;
    // "&Drucken..." of the analyser showing `file`: the print preview of its picture.
    std::function<void(TFormAnalyser& analyser, const std::filesystem::path& file)> print;
};

class AnalyserOpener : public QObject {
    Q_OBJECT
public:
    explicit AnalyserOpener(AnalyserServices services, QObject* parent = nullptr);

    // Loads `file` of folder `folder` (0-14) into the recording buffer and shows the analyser on
    // it; an open analyser is closed first, and when it stays open (Cancel) nothing is loaded. A
    // file that cannot be read or holds no event is reported; false then.
    bool OpenFile(int folder, const std::filesystem::path& file);

    TFormAnalyser* Current() const { return current_; }
    bool AnalyserMaximised() const;
    // Closes the open analyser (it may ask about unsaved changes); true when none stays open.
    bool CloseAnalyser();
    // Opens the analyser again on the file it showed, at its division and window.
    void ReopenAnalyser(bool maximised);

private:
    TFormAnalyser* Show(bool maximised);
    void SelectMessages();

    AnalyserServices services_;
    QPointer<TFormAnalyser> current_;
    int folder_ = 0;
    std::filesystem::path file_;
    std::optional<AnalyserPlace> place_;
};

}  // namespace ovis::gui
