#pragma once
// Start-up steps outside the windows: the base directory and the user's file-type registration.
#include <filesystem>

namespace ovis::gui {

// OVIS_BASE, else the setting "BaseDirectory", else the platform default.
std::filesystem::path StartupBaseDirectory();

// Registers the three file types for the user when they are not registered yet and updates
// the user's mime database when the tool is installed. Failures are ignored.
void RegisterFileTypes();

}  // namespace ovis::gui
