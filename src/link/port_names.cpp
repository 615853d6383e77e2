#include "link/port_names.h"

#include <cstdlib>

namespace ovis {

std::optional<std::string> PortName(int portNumber) {
    if (portNumber < 1 || portNumber > kPortCount) return std::nullopt;
    return "COM" + std::to_string(portNumber);
}

std::optional<std::string> DevicePathForPort(int portNumber, const std::optional<std::string>& environment,
                                             const std::optional<std::string>& setting) {
    if (!PortName(portNumber)) return std::nullopt;
    if (environment && !environment->empty()) return environment;
    if (setting && !setting->empty()) return setting;
    return "/dev/ttyS" + std::to_string(portNumber - 1);
}

std::optional<std::string> DevicePathFromEnvironment(int portNumber, const SettingLookup& setting) {
    auto name = PortName(portNumber);
    if (!name) return std::nullopt;
    std::optional<std::string> environment;
    if (const char* value = std::getenv(("OVIS_" + *name).c_str())) environment = value;
    return DevicePathForPort(portNumber, environment, setting ? setting(*name) : std::nullopt);
}

}  // namespace ovis
