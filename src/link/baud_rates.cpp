#include "link/baud_rates.h"

namespace ovis {

int BaudIndexForFactor(int factor, int previousIndex) {
    switch (factor) {
        case 1: return 6;
        case 2: return 8;
        case 4: return 9;
        case 6: return 11;
        case 12: return 12;
        default: return previousIndex;
    }
}

}  // namespace ovis
