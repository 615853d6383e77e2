#include "visualisation/visu_binding.h"

#include <algorithm>

namespace ovis {

VisuBinding BindVisuMessages(const TGrafikRecord& record, std::span<const TIoRecord> io) {
    VisuBinding binding;
    binding.elements.assign(io.size(), 0);
    binding.kinds.assign(io.size(), 0);
    int next[kVisuElementKinds] = {};  // the last element handed out per kind
    for (std::size_t row = 0; row < io.size(); ++row) {
        const std::int32_t role = io[row].VisuRolle;
        if (role == kVisuRelayRole) {
            binding.relays.push_back(int(row));
            continue;
        }
        if (role < 1 || role > kVisuElementKinds) continue;
        const auto& elements = record.Elemente[role - 1];
        const int count = std::min<int>(record.Anzahl[role - 1], kVisuElementsPerKind);
        int& k = next[role - 1];
        while (k < count && elements[k].X.get() < 0) ++k;
        if (k >= count) continue;
        binding.elements[row] = std::uint16_t(++k);
        binding.kinds[row] = std::uint8_t(role);
    }
    return binding;
}

}  // namespace ovis
