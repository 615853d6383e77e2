#include "shell/gui/startup.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <optional>

#include "records/io_error.h"
#include "project/file_types.h"
#include "project/project_store.h"

namespace ovis::gui {

namespace {
std::optional<std::string> Environment(const char* name) {
    if (!qEnvironmentVariableIsSet(name)) return std::nullopt;
    return qEnvironmentVariable(name).toStdString();
}
}  // namespace

std::filesystem::path StartupBaseDirectory() {
    const QVariant setting = QSettings().value(QStringLiteral("BaseDirectory"));
    return ResolveBaseDirectory(Environment("OVIS_BASE"),
                                setting.isValid() ? std::optional(setting.toString().toStdString()) : std::nullopt,
                                Environment("HOME"));
}

void RegisterFileTypes() {
    auto dataDir = UserDataDirectory(Environment("XDG_DATA_HOME"), Environment("HOME"));
    if (!dataDir) return;
    try {
        if (!RegisterFileTypesForUser(*dataDir)) return;
    } catch (const IoError&) {
        return;
    }
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!tool.isEmpty())
        QProcess::startDetached(tool, {QString::fromStdString((*dataDir / "mime").string())});
}

}  // namespace ovis::gui
