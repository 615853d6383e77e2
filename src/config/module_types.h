#pragma once
// ModulTypen: the seven I/O module types, indexed by the code stored in Modulanordnung.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ovis {

struct ModulTyp {
    std::string_view Name;
    std::uint8_t EingangsBytes;
    std::uint8_t AusgangsBytes;
};

inline constexpr int kModuleTypeCount = 7;

enum class ModuleType : std::uint8_t {
    Opto16 = 1,
    OptoRel = 2,
    Relais6 = 3,
    Opto16Out = 4,
    Opto6 = 5,
    TastLed = 6,
    Trans16 = 7,
};

// Index 0 is unused (code 0 ends the module list).
inline constexpr ModulTyp ModulTypen[kModuleTypeCount + 1] = {
    {"", 0, 0},
    {"OPTO16", 2, 0},
    {"OPTO-REL", 1, 1},
    {"RELAIS6", 0, 1},
    {"OPTO16-OUT", 0, 2},
    {"OPTO6", 2, 0},
    {"TAST-LED", 1, 1},
    {"TRANS16", 0, 2},
};

constexpr bool IsModuleCode(int code) { return code >= 1 && code <= kModuleTypeCount; }

constexpr std::optional<ModulTyp> ModuleTypeOf(int code) {
    if (!IsModuleCode(code)) return std::nullopt;
    return ModulTypen[code];
}

}  // namespace ovis
