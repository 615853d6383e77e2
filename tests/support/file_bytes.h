#pragma once
// Reading and writing whole files in tests, and a byte pattern that fills every byte.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace ovis::test {

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A pattern without zero bytes, so that reserved and padding bytes are non-zero too.
inline std::vector<std::uint8_t> PatternBytes(std::size_t size, unsigned seed = 1) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t x = 2463534242u + seed;
    for (auto& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = std::uint8_t(x % 255 + 1);
    }
    return bytes;
}

}  // namespace ovis::test
