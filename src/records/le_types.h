#pragma once
// Little-endian field types for on-disk records. They are byte arrays, so a record made of
// them has alignment 1, no hidden padding, and the same bytes on every host.
#include <cstdint>
#include <cstring>

namespace ovis {

template <typename T>
struct LittleEndian {
    static_assert(sizeof(T) == 2 || sizeof(T) == 4, "16- and 32-bit fields only");
    std::uint8_t bytes[sizeof(T)];

    T get() const {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) v |= std::uint32_t(bytes[i]) << (8 * i);
        return static_cast<T>(v);
    }
    void set(T value) {
        auto v = static_cast<std::uint32_t>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = std::uint8_t(v >> (8 * i));
    }
    operator T() const { return get(); }
    LittleEndian& operator=(T value) {
        set(value);
        return *this;
    }
};

using LeInt32 = LittleEndian<std::int32_t>;
using LeWord = LittleEndian<std::uint16_t>;

// A Boolean byte: 0 false, anything else true; the raw value is kept for round trips.
struct Bool8 {
    std::uint8_t value;
    operator bool() const { return value != 0; }
    Bool8& operator=(bool b) {
        value = b ? 1 : 0;
        return *this;
    }
};

static_assert(sizeof(LeInt32) == 4 && alignof(LeInt32) == 1);
static_assert(sizeof(LeWord) == 2 && alignof(LeWord) == 1);
static_assert(sizeof(Bool8) == 1);

}  // namespace ovis
