#include "records/terminal_text.h"

namespace ovis {
namespace {

void AppendEscaped(std::string& out, unsigned code) {
    constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[code >> 4];
    out += kHex[code & 0xF];
}

}  // namespace

std::string EscapeControlCharacters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        if (byte < 0x20 || byte == 0x7F) {
            AppendEscaped(out, byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080..U+009F
            AppendEscaped(out, next);
            ++i;
        } else {
            out += char(byte);
        }
    }
    return out;
}

std::string TerminalLines(std::string_view utf8) {
    std::string out;
    std::size_t start = 0;
    while (true) {
        const std::size_t cr = utf8.find('\r', start);
        out += EscapeControlCharacters(utf8.substr(start, cr == std::string_view::npos ? cr : cr - start));
        if (cr == std::string_view::npos) return out;
        out += '\n';
        start = cr + 1;
        if (start < utf8.size() && utf8[start] == '\n') ++start;
    }
}

}  // namespace ovis
