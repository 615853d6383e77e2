#pragma once
// The states of the picture elements: 0 off, 1 on, 2 marked (the parameter mode's cursor).
#include <array>
#include <cstdint>

#include "project/grafik_record.h"

namespace ovis {

inline constexpr std::uint8_t kVisuOff = 0;
inline constexpr std::uint8_t kVisuOn = 1;
inline constexpr std::uint8_t kVisuMarked = 2;

// The state a message level gives an element: kinds 1 and 2 Low 1, High 2; the others Low 0, High 1.
std::uint8_t VisuStateForLevel(int kind, bool high);

class VisuStates {
public:
    // State of element `index` (1-based) of `kind` (1..6); 0 outside the tables.
    std::uint8_t Get(int kind, int index) const;
    // Ignores a kind or index outside the tables (a damaged binding draws nothing).
    void Set(int kind, int index, std::uint8_t state);
    void Clear() { states_ = {}; }

private:
    static bool Valid(int kind, int index) {
        return kind >= 1 && kind <= kVisuElementKinds && index >= 1 && index <= kVisuElementsPerKind;
    }
    std::array<std::array<std::uint8_t, kVisuElementsPerKind>, kVisuElementKinds> states_{};
};

}  // namespace ovis
