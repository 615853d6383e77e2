#include "evaluation/gui/analyser_opener.h"

#include <QTimer>

#include "evaluation/folder_rows.h"
#include "evaluation/gui/Zel_Analyser.h"
#include "evaluation/gui/Zel_Auswahl.h"
#include "records/io_error.h"

namespace ovis::gui {

AnalyserOpener::AnalyserOpener(AnalyserServices services, QObject* parent)
    : QObject(parent), services_(std::move(services)) {}

bool AnalyserOpener::OpenFile(int folder, const std::filesystem::path& file) {
    if (folder < 0 || folder >= kFolderCount || !CloseAnalyser()) return false;
    folder_ = folder;
    file_ = file;
    place_.reset();
    return Show(false) != nullptr;
}

bool AnalyserOpener::AnalyserMaximised() const { return current_ && current_->isMaximized(); }

bool AnalyserOpener::CloseAnalyser() {
    if (!current_) return true;
    if (!current_->close()) return false;
    current_ = nullptr;
    return true;
}

void AnalyserOpener::ReopenAnalyser(bool maximised) {
    if (current_ || file_.empty()) return;
    Show(maximised);
}

TFormAnalyser* AnalyserOpener::Show(bool maximised) {
    TRecording& recording = services_.recording;
    try {
        recording.LoadFile(file_);
    } catch (const IoError& e) {
        services_.dialogs.Error(e.what());
        return nullptr;
    }
    recording.SetFolder(services_.tables.parameters.Record().Ordner[folder_].str(), folder_);

    auto* form = new TFormAnalyser(recording, services_.dialogs);
    if (!form->OpenFile(FolderRows(services_.tables, folder_), folder_ == kOutputFolder, place_)) {
        delete form;
        services_.dialogs.Warning(NoEventsText(recording.FileName()));
        return nullptr;
    }
    form->showHelp = services_.showHelp;
    form->onSelectMessages = [this] { SelectMessages(); };
    form->onClosed = [this, form] {
        place_ = form->Model().Place();
        if (current_ == form) current_ = nullptr;
        if (services_.analyserOpenChanged) services_.analyserOpenChanged(false);
    };
    form->onPrint = [this, form] {
        if (services_.print) services_.print(*form, file_);
    };
    current_ = form;
    if (maximised)
        form->showMaximized();
    else
        form->show();
    if (services_.analyserOpenChanged) services_.analyserOpenChanged(true);
    return form;
}

void AnalyserOpener::SelectMessages() {
    ProjectTables& tables = services_.tables;
    auto model = SelectionDialogModel::ForFolder(SelectionCaller::Analyser, FolderMessageNames(tables, folder_),
                                                 tables.selection.Folder(folder_));
    TFormAuswahl* dialog = OpenFolderSelection(std::move(model), services_.dialogs, current_);
    dialog->showHelp = services_.showHelp;
    dialog->onAccept = [this](const SelectionDialogModel& chosen) {
        ProjectTables& tables = services_.tables;
        chosen.AcceptInto(tables.selection.Folder(folder_));
        try {
            tables.selection.Save(services_.projectDirectory());
        } catch (const IoError& e) {
            services_.dialogs.Error(e.what());
            return;
        }
        if (services_.requestReopen) {
            services_.requestReopen();
            return;
        }
        QTimer::singleShot(10, this, [this] {
            const bool maximised = AnalyserMaximised();
            if (CloseAnalyser()) ReopenAnalyser(maximised);
        });
    };
}

}  // namespace ovis::gui
