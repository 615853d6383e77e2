#include "evaluation/analyser_cells.h"

#include <array>

namespace ovis {

std::span<const MarkRange> WhiteMarks(TColumnState code) {
    static constexpr std::array<MarkRange, 1> k2{{{4, 8}}}, k3{{{2, 6}}}, k6{{{0, 8}}}, k7{{{0, 4}}};
    static constexpr std::array<MarkRange, 2> k4{{{2, 4}, {6, 8}}}, k8{{{0, 2}, {6, 8}}}, k9{{{0, 2}, {4, 6}}};
    switch (code) {
        case 2: return k2;
        case 3: return k3;
        case 4: return k4;
        case 6: return k6;
        case 7: return k7;
        case 8: return k8;
        case 9: return k9;
        default: return {};
    }
}

CellBackground BackgroundOf(int row, int column, bool asCursor, const DiagramLook& look) {
    if (asCursor) return CellBackground::Magenta;
    const bool rowBand = look.teilungHorizontal && ((row - 1) / 4) % 2 == 1;
    const int columnBand = (column - 1) / 10;
    const bool columnBandLit = look.teilungVertikal && columnBand % 2 == 1 && columnBand <= 9;
    return rowBand || columnBandLit ? CellBackground::LightBlue : CellBackground::Blue;
}

}  // namespace ovis
