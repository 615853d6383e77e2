#pragma once
// Text from files made safe to print on a terminal: a file cannot forge output lines or send
// terminal escapes.
#include <string>
#include <string_view>

namespace ovis {

// The UTF-8 text as it is, except that every control character (below 0x20, 0x7F and the C1
// controls U+0080 to U+009F) is shown as "\xNN" with its code in upper-case hex, and so is every
// byte that is not part of a well-formed UTF-8 sequence (a bare 0x9B is "\x9B").
std::string EscapeControlCharacters(std::string_view utf8);

// A message of the system for a terminal: each carriage return (or CR LF) of its own line
// structure becomes a line break, every other control character is escaped as above.
std::string TerminalLines(std::string_view utf8);

}  // namespace ovis
