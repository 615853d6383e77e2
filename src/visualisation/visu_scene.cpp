#include "visualisation/visu_scene.h"

#include <algorithm>
#include <bitset>

namespace ovis {

void VisuScene::Add(int kind, const VisuElement& element) {
    if (int(elements_[kind - 1].size()) < kVisuElementsPerKind) elements_[kind - 1].push_back(element);
}

VisuScene::VisuScene(TGrafikRecord& record) : layout_(ComputeVisuLayout(record)) {
    const VisuLayout& v = layout_;
    for (int lift = 0; lift < kVisuLifts; ++lift)
        if (LiftExists(record, lift)) lifts_.push_back(lift);
    const int n = int(lifts_.size());
    const int square = v.groessen[0];
    const int small = v.groessen[4];
    for (int i = 0; i < n; ++i) {
        const int lift = lifts_[i];
        const int first = LiftValue(record, lift, kErsterHalt);
        const int last = first + LiftValue(record, lift, kHalte) - 1;
        const int callX = CallColumnX(i);
        const int shaftX = ShaftX(i);
        const bool twoSides = LiftValue(record, lift, kSeiten) == 2;
        for (int stop = first; stop <= last; ++stop) {
            const int y = v.StopTop(stop);
            const int middle = y + v.H / 2;
            Add(6, {shaftX + 2, y + 1, i, stop, ShaftPart::Field});
            Add(3, {callX + (v.W - v.triangle) / 2, middle - v.triangle / 2 - 1, i, stop});
            Add(3, {callX + (v.W - v.triangle) / 2, middle + 1, i, stop});
            Add(1, {shaftX + 4, y + (v.H - square) / 2, i, stop});
            if (twoSides) Add(2, {shaftX + v.W - 4 - square, y + (v.H - square) / 2, i, stop});
        }
        const int above = v.RowTop(0) + 1;
        const int below = v.RowTop(v.h + 1) + 1;
        Add(6, {shaftX + 1, above, i, 0, ShaftPart::DownTriangle});
        Add(6, {shaftX + v.W / 2, above, i, 0, ShaftPart::UpTriangle});
        Add(6, {shaftX + 1, below, i, 0, ShaftPart::Indicator1});
        Add(6, {shaftX + v.W / 2, below, i, 0, ShaftPart::Indicator2});
        Add(6, {shaftX + v.W / 4, below, i, 0, ShaftPart::Marker});
        for (int line = 1; line <= LiftValue(record, lift, kStatusmel); ++line)
            Add(4, {v.AreaLeft() - (n - i) * (small + 2) - 1, kVisuAreaTop + (line - 1) * kVisuTextLineHeight + 3, i,
                    line});
        for (int line = 1; line <= LiftValue(record, lift, kStoermel); ++line)
            Add(4, {v.AreaRight() + 4 + kVisuTextWidth + i * (small + 2),
                    kVisuAreaTop + (line - 1) * kVisuTextLineHeight + 3, i, line});
    }

    for (int kind = 1; kind <= kVisuElementKinds; ++kind) {
        auto& stored = record.Elemente[kind - 1];
        const auto& placed = elements_[kind - 1];
        std::bitset<kVisuElementsPerKind> hidden;
        for (int k = 0; k < kVisuElementsPerKind; ++k) hidden[k] = stored[k].X.get() < 0;
        for (int k = 0; k < kVisuElementsPerKind; ++k) {
            if (k < int(placed.size())) {
                stored[k].X = std::int16_t(hidden[k] ? -placed[k].x : placed[k].x);
                stored[k].Y = std::int16_t(placed[k].y);
            } else {
                stored[k].X = 0;
                stored[k].Y = 0;
            }
        }
        record.Anzahl[kind - 1] = std::uint16_t(placed.size());
    }
    for (int k = 0; k < kVisuSizes; ++k) record.Groessen[k] = std::int16_t(v.groessen[k]);
}

}  // namespace ovis
