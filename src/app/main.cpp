// The desktop application: one instance per user, the base directory, the user's file types,
// then the main window until it closes.
#include <QApplication>
#include <csignal>
#include <memory>

#include "shell/gui/Zel_Menuseite.h"
#include "shell/gui/application_windows.h"
#include "platform/gui/qt_dialogs.h"
#include "platform/gui/qt_translations.h"
#include "shell/gui/single_instance.h"
#include "shell/gui/startup.h"
#include "shell/gui/toolbar_icons.h"
#include "project/project_store.h"

int main(int argc, char** argv) {
    // A write past the file-size limit then fails with an error that is reported instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    ovis::gui::InstallGermanQtTranslations(app);
    QCoreApplication::setOrganizationName(QStringLiteral("Ovis"));
    QCoreApplication::setApplicationName(QStringLiteral("Ovis"));

    ovis::gui::SingleInstance instance(QString::fromUtf8(ovis::kApplicationTitle));
    if (instance.AskRunningInstanceToRaise()) return 0;

    const std::filesystem::path base = ovis::gui::StartupBaseDirectory();
    ovis::gui::RegisterFileTypes();

    QApplication::setApplicationDisplayName(QString::fromUtf8(ovis::kApplicationTitle));
    QApplication::setWindowIcon(ovis::gui::ApplicationIcon());
    auto tables = std::make_unique<ovis::ProjectTables>();
    ovis::gui::QtDialogs dialogs;
    ovis::ProjectStore store(*tables, dialogs, base);
    ovis::gui::ApplicationWindows windows(store, dialogs);
    ovis::gui::TMainForm& mainForm = windows.MainForm();
    dialogs.SetParent(&mainForm);
    instance.Listen([&mainForm] { mainForm.BringToFront(); });
    QObject::connect(&mainForm, &ovis::gui::TMainForm::Closed, &app, &QApplication::quit);
    windows.Show();
    return app.exec();
}
