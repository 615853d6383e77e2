#pragma once
// The built-in demo: a base directory with "Ovis.ini" naming the start-view project "Demo",
// that project with a module ring, folders, a terminal plan and designations, and the help
// pages.
#include <filesystem>

namespace ovis {

inline constexpr const char* kDemoProjectName = "Demo";

// Creates what is missing of the demo base directory; an existing demo project and existing help
// pages are left as they are.
// Returns true when the demo project was created. IoError on file errors.
bool CreateDemoBase(const std::filesystem::path& base);

}  // namespace ovis
