#pragma once
// The message selection of one folder, a record of "Auswahl.ofp": byte k is 1 when the k-th
// message of the folder is shown.
#include <cstdint>

namespace ovis {

struct TAuswahlRecord {
    std::uint8_t Shown[1000];
};

static_assert(sizeof(TAuswahlRecord) == 1000);

}  // namespace ovis
