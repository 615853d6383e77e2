#pragma once
// Names the user types lose their leading and trailing blanks (the space character only; other
// white space stays).
#include <string_view>

namespace ovis {

constexpr std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace ovis
