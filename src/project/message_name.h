#pragma once
// How message names compare across the project's tables and files.
#include <string_view>

namespace ovis {

// Names are equal when they are equal after mapping a to z to upper case; nothing else folds.
bool NamesEqual(std::string_view a, std::string_view b);

}  // namespace ovis
