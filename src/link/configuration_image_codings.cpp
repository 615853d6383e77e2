#include "link/configuration_image_codings.h"

#include <algorithm>
#include <cmath>

#include "config/module_types.h"
#include "link/configuration_image_records.h"

namespace ovis {

CodedDelay EncodeDelay(std::int32_t value, std::string_view unit) {
    const auto v = static_cast<std::uint32_t>(value);
    CodedDelay coded;
    if (unit == "Sek") {
        if (v <= 60) {
            coded.field = std::uint16_t(v * 1000);
        } else if (v <= 14400) {
            coded.field = std::uint16_t(((v % 60) * 1000 / 256) << 8 | (v / 60 & 0xFF));
            coded.format = DelayFormat::F1;
        } else {
            coded.field = std::uint16_t(v / 60);
            coded.format = DelayFormat::F2;
        }
    } else if (unit == "Min") {
        coded.field = std::uint16_t(v);
        coded.format = v <= 240 ? DelayFormat::F1 : DelayFormat::F2;
    } else if (unit == "Std") {
        coded.field = std::uint16_t(v * 60);
        coded.format = DelayFormat::F2;
    } else {
        coded.field = std::uint16_t(v);
    }
    if (value == 0) coded.format = DelayFormat::Plain;
    return coded;
}

std::uint8_t WithDelayFlags(std::uint8_t flags, DelayFormat format, DelayFlags pair) {
    flags &= std::uint8_t(~(pair.f1 | pair.f2));
    if (format == DelayFormat::F1) flags |= pair.f1;
    if (format == DelayFormat::F2) flags |= pair.f2;
    return flags;
}

std::uint16_t RingOffsets::In(int position) const {
    return position >= 1 && position <= modules ? in[std::size_t(position)] : 0;
}

std::uint16_t RingOffsets::Out(int position) const {
    return position >= 1 && position <= modules ? out[std::size_t(position)] : 0;
}

int ModuleCodeAt(const TParameterRecord& params, int position) {
    if (position < 1 || position > kModuleSlots) return 0;
    return params.Modulanordnung[position - 1];
}

RingOffsets ComputeRingOffsets(const TParameterRecord& params) {
    RingOffsets ring;
    std::uint16_t in = 0;
    std::uint16_t out = 0;
    int position = 1;
    for (; position <= kModuleSlots; ++position) {
        const int code = params.Modulanordnung[position - 1];
        if (code == 0) break;
        ring.in[std::size_t(position)] = in;
        ring.out[std::size_t(position)] = out;
        if (auto type = ModuleTypeOf(code)) {
            in = std::uint16_t(in + type->EingangsBytes);
            out = std::uint16_t(out + type->AusgangsBytes);
        }
    }
    ring.modules = position - 1;
    ring.totalIn = in;
    ring.totalOut = out;
    return ring;
}

InterfaceEventCode EncodeEventDelay(double secondsToNext) {
    // Times between events of one year stay far below the upper bound.
    const double h = std::clamp(secondsToNext, 0.0, 1e9);
    if (h <= 0.06) return {0x10, std::uint16_t(std::llround(h * 1000000) / 1000)};
    // Whole minutes are counted from the truncated seconds, so that the remainder Q stays
    // within 0 to 60000 also just below a full minute.
    const auto p = static_cast<long long>(std::floor(h)) / 60;
    const auto q = std::llround((h - 60.0 * double(p)) * 1000);
    if (h < 60) return {0x10, std::uint16_t(q)};
    if (h < 960) return {0x20, std::uint16_t(p * 4096 + q / 16)};
    if (h < 15360) return {0x30, std::uint16_t(p * 256 + q / 256)};
    if (h < 245760) return {0x40, std::uint16_t(p * 16 + q / 4096)};
    return {0x50, std::uint16_t(std::min<long long>(p, 0xFFFF))};
}

std::array<std::uint8_t, 4> InterfaceEventBytes(std::uint16_t eventWord, InterfaceEventCode code) {
    const std::uint16_t word = eventWord & 0x07FF;
    return {std::uint8_t((word >> 8) + code.timeClass), std::uint8_t(word & 0xFF), std::uint8_t(code.value >> 8),
            std::uint8_t(code.value & 0xFF)};
}

}  // namespace ovis
