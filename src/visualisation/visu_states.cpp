#include "visualisation/visu_states.h"

namespace ovis {

std::uint8_t VisuStateForLevel(int kind, bool high) {
    if (kind == 1 || kind == 2) return high ? kVisuMarked : kVisuOn;
    return high ? kVisuOn : kVisuOff;
}

std::uint8_t VisuStates::Get(int kind, int index) const {
    return Valid(kind, index) ? states_[kind - 1][index - 1] : kVisuOff;
}

void VisuStates::Set(int kind, int index, std::uint8_t state) {
    if (Valid(kind, index)) states_[kind - 1][index - 1] = state;
}

}  // namespace ovis
