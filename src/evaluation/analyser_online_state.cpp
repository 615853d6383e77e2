#include "evaluation/analyser_online_state.h"

namespace ovis {

TColumnState OnlineTransition(TColumnState state, bool high) {
    if (high) {
        switch (state) {
            case 0: return 6;
            case 1: return 2;
            case 3: return 4;
            case 7:
            case 9: return 8;
            default: return state;
        }
    }
    switch (state) {
        case 0: return 1;
        case 2:
        case 4: return 3;
        case 6: return 7;
        case 8: return 9;
        default: return state;
    }
}

TColumnState OnlineStateTable::Take(int number) {
    const TColumnState state = At(number);
    if (state != 0) states_[std::size_t(number - 1)] = SteadyCode(state);
    return state;
}

}  // namespace ovis
