#pragma once
// The windows of the running program and how they reach each other: the main window, the
// system configuration and the editors, with the hooks the core calls.
#include <memory>

#include "config/system_configuration.h"
#include "shell/shell_hooks.h"

namespace ovis {
class ProjectStore;
}

namespace ovis::gui {

class TMainForm;
class TFormKonfig;
class TFormKlPlan;
class QtDialogs;

class ApplicationWindows final : public ShellHooks, public ConfigurationHooks {
public:
    ApplicationWindows(ProjectStore& store, Dialogs& dialogs);
    ~ApplicationWindows() override;

    TMainForm& MainForm() { return *mainForm_; }
    // The system configuration dialog, created on first use.
    TFormKonfig& Konfig();
    // The I/O editor, created on first use.
    TFormKlPlan& KlPlan();

    // ShellHooks and ConfigurationHooks
    void ReopenSerialPort() override;
    void RedrawEditors() override;
    void GroupsChanged() override;

private:
    void OpenSystemConfiguration();

    ProjectStore& store_;
    Dialogs& dialogs_;
    std::unique_ptr<TMainForm> mainForm_;
    std::unique_ptr<TFormKonfig> konfig_;
    std::unique_ptr<QtDialogs> klPlanDialogs_;
    std::unique_ptr<TFormKlPlan> klPlan_;
};

}  // namespace ovis::gui
