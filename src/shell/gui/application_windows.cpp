#include "shell/gui/application_windows.h"

#include "config/gui/Zel_Konfig.h"
#include "shell/gui/Zel_Menuseite.h"
#include "shell/gui/qt_dialogs.h"
#include "tables/gui/Zel_Klemmenplan.h"

namespace ovis::gui {

ApplicationWindows::ApplicationWindows(ProjectStore& store, Dialogs& dialogs) : store_(store), dialogs_(dialogs) {
    mainForm_ = std::make_unique<TMainForm>(store, dialogs, *this);
    mainForm_->SetCommandHandler(MenuCommand::Systemkonfiguration, [this] { OpenSystemConfiguration(); });
    mainForm_->RegisterEditor(MenuCommand::Io, EditorSlot::IoEditor, [this] { KlPlan().OpenEditor(); });
}

ApplicationWindows::~ApplicationWindows() = default;

TFormKonfig& ApplicationWindows::Konfig() {
    if (!konfig_) {
        konfig_ = std::make_unique<TFormKonfig>(store_, dialogs_, *this, mainForm_.get());
        konfig_->SetHelpHandler([this](int context) { mainForm_->ShowHelp(context); });
    }
    return *konfig_;
}

TFormKlPlan& ApplicationWindows::KlPlan() {
    if (!klPlan_) {
        klPlanDialogs_ = std::make_unique<QtDialogs>();
        KlPlanHooks hooks;
        hooks.editor.closed = [this] {
            mainForm_->EditorClosed(EditorSlot::IoEditor);
            mainForm_->activateWindow();
        };
        hooks.editor.showHelp = [this](int context) { mainForm_->ShowHelp(context); };
        hooks.saved = [this](std::size_t rows) { mainForm_->InterfaceTableSaved(rows); };
        klPlan_ = std::make_unique<TFormKlPlan>(store_, *klPlanDialogs_, hooks);
        klPlanDialogs_->SetParent(klPlan_.get());
    }
    return *klPlan_;
}

void ApplicationWindows::OpenSystemConfiguration() {
    Konfig().exec();
    mainForm_->activateWindow();
    mainForm_->RefreshStates();
}

void ApplicationWindows::ReopenSerialPort() {}

void ApplicationWindows::RedrawEditors() {
    if (klPlan_ && klPlan_->isVisible()) klPlan_->Refresh();
}

void ApplicationWindows::GroupsChanged() {}

}  // namespace ovis::gui
