#include "records/terminal_text.h"

namespace ovis {
namespace {

void AppendEscaped(std::string& out, unsigned code) {
    constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[code >> 4];
    out += kHex[code & 0xF];
}

// The length of the well-formed UTF-8 sequence at the start of `text` (no overlong form, no
// surrogate, nothing above U+10FFFF); 0 when it is not one.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

}  // namespace

std::string EscapeControlCharacters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = SequenceLength(utf8.substr(i));
        if (length == 0 || byte < 0x20 || byte == 0x7F) {
            AppendEscaped(out, byte);
            ++i;
        } else if (byte == 0xC2 && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {  // U+0080..U+009F
            AppendEscaped(out, static_cast<unsigned char>(utf8[i + 1]));
            i += 2;
        } else {
            out.append(utf8.substr(i, length));
            i += length;
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
