#pragma once
// Code page conversion at the boundary between record bytes and Unicode (UTF-8) text.
// Record strings stay bytes in the core; windows convert when they show or take text.
#include <optional>
#include <string>
#include <string_view>

namespace ovis {

enum class CodePage { Windows1252, Dos437 };

std::string ToUtf8(std::string_view bytes, CodePage page = CodePage::Windows1252);

// Returns nothing when the text holds a character the code page cannot represent,
// or when it is not valid UTF-8: such text is refused, never silently changed.
std::optional<std::string> FromUtf8(std::string_view utf8, CodePage page = CodePage::Windows1252);

// Record bytes of a program text (a UTF-8 literal known to fit the code page). A character
// outside the code page becomes '?'.
std::string RecordText(std::string_view utf8, CodePage page = CodePage::Windows1252);

bool RepresentableIn(std::string_view utf8, CodePage page = CodePage::Windows1252);

// The refusal of a text that code page 1252 cannot hold.
inline constexpr const char* kTextNotRepresentable =
    "Der Text enthält ein Zeichen, das die Codepage 1252 nicht darstellen kann.";

}  // namespace ovis
