#include "shell/gui/application_windows.h"

#include "config/gui/Zel_Konfig.h"
#include "shell/gui/Zel_Menuseite.h"

namespace ovis::gui {

ApplicationWindows::ApplicationWindows(ProjectStore& store, Dialogs& dialogs) : store_(store), dialogs_(dialogs) {
    mainForm_ = std::make_unique<TMainForm>(store, dialogs, *this);
    mainForm_->SetCommandHandler(MenuCommand::Systemkonfiguration, [this] { OpenSystemConfiguration(); });
}

ApplicationWindows::~ApplicationWindows() = default;

TFormKonfig& ApplicationWindows::Konfig() {
    if (!konfig_) {
        konfig_ = std::make_unique<TFormKonfig>(store_, dialogs_, *this, mainForm_.get());
        konfig_->SetHelpHandler([this](int context) { mainForm_->ShowHelp(context); });
    }
    return *konfig_;
}

void ApplicationWindows::OpenSystemConfiguration() {
    Konfig().exec();
    mainForm_->activateWindow();
    mainForm_->RefreshStates();
}

void ApplicationWindows::ReopenSerialPort() {}

void ApplicationWindows::RedrawEditors() {}

void ApplicationWindows::GroupsChanged() {}

}  // namespace ovis::gui
