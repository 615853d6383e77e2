#include "link/firmware_image.h"

#include <algorithm>
#include <cstring>

namespace ovis {

std::filesystem::path FirmwareFileIn(const std::filesystem::path& baseDirectory) {
    return ResolveInDirectory(baseDirectory, kFirmwareFileName);
}

std::optional<FirmwareImage> LoadFirmwareImage(const std::filesystem::path& path) {
    auto bytes = ReadFileWithRetries(path, {1, {}});
    if (!bytes) return std::nullopt;
    if (bytes->size() < kFirmwareImageSize) {
        throw IoError(FileErrorText("Die Datei", path,
                                    "sie ist kürzer als das Programm des Interfaces (" + std::to_string(bytes->size()) +
                                        " von " + std::to_string(kFirmwareImageSize) + " Bytes)"));
    }
    FirmwareImage image;
    std::copy_n(bytes->begin(), kFirmwareImageSize, image.begin());
    return image;
}

std::array<std::uint8_t, kFirmwareBlockSize> FirmwareBlock(const FirmwareImage& image, int k) {
    std::array<std::uint8_t, kFirmwareBlockSize> block{};
    const std::size_t offset = kFirmwareBlockSize * std::size_t(k);
    if (offset < image.size())
        std::copy_n(image.begin() + std::ptrdiff_t(offset), std::min(kFirmwareBlockSize, image.size() - offset),
                    block.begin());
    return block;
}

FirmwareImage MakeTestFirmwareImage() {
    FirmwareImage image;
    std::uint32_t x = 0x4F564953;  // xorshift, seeded with "OVIS"
    for (auto& b : image) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = std::uint8_t(x % 255 + 1);
    }
    static constexpr char kHeader[] = "OVIS INTERFACE TEST FIRMWARE";
    std::memcpy(image.data(), kHeader, sizeof kHeader - 1);
    return image;
}

}  // namespace ovis
