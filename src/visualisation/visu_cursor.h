#pragma once
// The parameter mode's element cursor: it walks the elements of kinds 1 to 4 (wrapping from the
// last element of kind 4 to the first of kind 1) and hides or shows the element under it.
#include "project/grafik_record.h"

namespace ovis {

struct VisuCursorPosition {
    int kind = 0;   // 0: no element of kinds 1 to 4 exists
    int index = 0;  // 1-based
    bool operator==(const VisuCursorPosition&) const = default;
};

// The first element of kinds 1 to 4.
VisuCursorPosition FirstCursorPosition(const TGrafikRecord& record);
// ">>" and "<<".
VisuCursorPosition NextCursorPosition(const TGrafikRecord& record, VisuCursorPosition at);
VisuCursorPosition PreviousCursorPosition(const TGrafikRecord& record, VisuCursorPosition at);
// "Einfügen/Löschen": negates the element's X; false when there is no element under the cursor.
bool ToggleElementHidden(TGrafikRecord& record, VisuCursorPosition at);
bool IsElementHidden(const TGrafikRecord& record, int kind, int index);

}  // namespace ovis
