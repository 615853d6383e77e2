#include "link/gui/Zel_RS232.h"

#include <QSettings>

#include <cstdio>

#include "link/port_names.h"

namespace ovis::gui {
namespace {

std::optional<std::string> ProgramSetting(const std::string& name) {
    const QVariant value = QSettings().value(QString::fromStdString(name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

}  // namespace

TFormRS232::TFormRS232(const SystemParameters& parameters, QObject* parent)
    : QObject(parent),
      port_(device_, parameters, [](int n) { return DevicePathFromEnvironment(n, ProgramSetting); }, delay_) {
    setObjectName("FormRS232");
    // No box for a port that cannot be opened, but the reason on stderr.
    port_.SetFailureReport([](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); });
}

}  // namespace ovis::gui
