#pragma once
// The picture elements of every kind, placed from the layout: per lift (in lift order) its stop
// fields and indicators (kind 6), its hall-call triangles (kind 3), its car-call squares of door
// side 1 (kind 1) and side 2 (kind 2), and the small squares beside its status and fault texts
// (kind 4). Kind 5 has no elements.
#include <vector>

#include "project/grafik_record.h"
#include "visualisation/visu_layout.h"

namespace ovis {

enum class ShaftPart { Field, DownTriangle, UpTriangle, Indicator1, Indicator2, Marker };

struct VisuElement {
    int x = 0, y = 0;  // upper left corner (absolute value of the stored X)
    int lift = 0;      // ordinal of the lift among the lifts drawn (0-based)
    int stop = 0;      // the stop, where the element belongs to one
    ShaftPart part = ShaftPart::Field;  // kind 6 only
};

// The line height of the 25 status and fault texts and the width that a text of 16 characters takes.
inline constexpr int kVisuTextLineHeight = VisuLayout::AreaHeight() / kVisuTextLines;
inline constexpr int kVisuTextWidth = 16 * 6;

class VisuScene {
public:
    // Computes the layout and places the elements; writes `Anzahl`, `Elemente` and `Groessen` into
    // the record. An element whose stored X was negative stays hidden; elements past a kind's count
    // are cleared.
    explicit VisuScene(TGrafikRecord& record);

    const VisuLayout& Layout() const { return layout_; }
    // Elements of a kind (1..6), index 1 at [0].
    const std::vector<VisuElement>& Elements(int kind) const { return elements_[kind - 1]; }
    int Count(int kind) const { return int(elements_[kind - 1].size()); }
    // The x of the left edge of the call column and of the shaft of the lift with ordinal `ordinal`.
    int CallColumnX(int ordinal) const { return layout_.L + layout_.W * (1 + 2 * ordinal); }
    int ShaftX(int ordinal) const { return CallColumnX(ordinal) + layout_.W; }
    // Lifts drawn, by ordinal: their index 0..7 in the lift table.
    const std::vector<int>& Lifts() const { return lifts_; }

private:
    void Add(int kind, const VisuElement& element);

    VisuLayout layout_;
    std::vector<int> lifts_;
    std::vector<VisuElement> elements_[kVisuElementKinds];
};

}  // namespace ovis
