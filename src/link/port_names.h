#pragma once
// The ports "COM1" to "COM8" of the system parameters and the devices they stand for.
#include <functional>
#include <optional>
#include <string>

namespace ovis {

inline constexpr int kPortCount = 8;

// "COM1" to "COM8" for port numbers 1 to 8; nothing for any other number.
std::optional<std::string> PortName(int portNumber);

// The device of COMn: `environment` (the value of OVIS_COMn) when set and not empty, else
// `setting` (the program setting "COMn") when set and not empty, else /dev/ttyS{n-1}.
// Nothing for a port number outside 1 to 8.
std::optional<std::string> DevicePathForPort(int portNumber, const std::optional<std::string>& environment,
                                             const std::optional<std::string>& setting);

// Looks up a program setting by name ("COM1"); nothing when it is not set.
using SettingLookup = std::function<std::optional<std::string>(const std::string& name)>;

// DevicePathForPort with OVIS_COMn read from the process environment.
std::optional<std::string> DevicePathFromEnvironment(int portNumber, const SettingLookup& setting);

}  // namespace ovis
