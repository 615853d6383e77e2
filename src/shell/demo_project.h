#pragma once
// The built-in demo: a base directory with "Ovis.ini" naming the start-view project "Demo",
// and that project with a module ring, folders, a terminal plan and designations.
#include <filesystem>

namespace ovis {

inline constexpr const char* kDemoProjectName = "Demo";

// Creates what is missing of the demo base directory; an existing demo project is left as it is.
// Returns true when the demo project was created. IoError on file errors.
bool CreateDemoBase(const std::filesystem::path& base);

}  // namespace ovis
