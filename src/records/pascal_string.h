#pragma once
// string[N]: one length byte followed by N character bytes (code page 1252, or 437 in the
// graphics file). All N+1 bytes are kept so that an unchanged record is written back as read.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace ovis {

template <std::size_t N>
struct PString {
    static_assert(N >= 1 && N <= 255);
    std::uint8_t raw[N + 1];

    static constexpr std::size_t capacity() { return N; }

    // A length byte above N reads as N characters.
    std::size_t length() const { return std::min<std::size_t>(raw[0], N); }
    bool empty() const { return length() == 0; }

    std::string str() const { return std::string(reinterpret_cast<const char*>(raw + 1), length()); }
    std::string_view view() const { return {reinterpret_cast<const char*>(raw + 1), length()}; }

    // Stores at most N bytes; bytes beyond the new length stay as they were.
    void assign(std::string_view text) {
        std::size_t n = std::min(text.size(), N);
        raw[0] = static_cast<std::uint8_t>(n);
        if (n) std::memcpy(raw + 1, text.data(), n);
    }
    PString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    bool operator==(std::string_view text) const { return view() == text; }
};

static_assert(sizeof(PString<255>) == 256 && alignof(PString<255>) == 1);
static_assert(sizeof(PString<5>) == 6);

}  // namespace ovis
