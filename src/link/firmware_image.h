#pragma once
// The Interface firmware file IFACE.BIN and its transfer in blocks of 80 bytes.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "records/typed_file.h"

namespace ovis {

inline constexpr const char* kFirmwareFileName = "IFACE.BIN";
inline constexpr std::size_t kFirmwareImageSize = 12369;
inline constexpr std::size_t kFirmwareBlockSize = 80;
inline constexpr int kFirmwareBlockCount = 205;
inline constexpr std::uint16_t kFirmwareAddress = 0x8A80;

using FirmwareImage = std::array<std::uint8_t, kFirmwareImageSize>;

// IFACE.BIN in `baseDirectory`, matched without regard to case.
std::filesystem::path FirmwareFileIn(const std::filesystem::path& baseDirectory);

// The first 12369 bytes of a firmware file. Nothing when the file cannot be opened; IoError when
// it is shorter than the image.
std::optional<FirmwareImage> LoadFirmwareImage(const std::filesystem::path& file);

// Block k (0 to 204): 80 bytes of the image from offset 80 k, zero beyond its end.
std::array<std::uint8_t, kFirmwareBlockSize> FirmwareBlock(const FirmwareImage& image, int k);
constexpr std::uint16_t FirmwareBlockAddress(int k) { return std::uint16_t(kFirmwareAddress + kFirmwareBlockSize * k); }

// A firmware image for tests and demonstrations: a readable header, then a fixed pattern
// without zero bytes, so that the zeros after its end stand out.
FirmwareImage MakeTestFirmwareImage();

}  // namespace ovis
