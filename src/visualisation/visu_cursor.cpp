#include "visualisation/visu_cursor.h"

#include <algorithm>

namespace ovis {
namespace {

constexpr int kCursorKinds = 4;

int CountOf(const TGrafikRecord& record, int kind) {
    return std::min<int>(record.Anzahl[kind - 1], kVisuElementsPerKind);
}

bool Valid(const TGrafikRecord& record, VisuCursorPosition at) {
    return at.kind >= 1 && at.kind <= kCursorKinds && at.index >= 1 && at.index <= CountOf(record, at.kind);
}

}  // namespace

VisuCursorPosition FirstCursorPosition(const TGrafikRecord& record) {
    for (int kind = 1; kind <= kCursorKinds; ++kind)
        if (CountOf(record, kind) > 0) return {kind, 1};
    return {};
}

VisuCursorPosition NextCursorPosition(const TGrafikRecord& record, VisuCursorPosition at) {
    if (!Valid(record, at)) return FirstCursorPosition(record);
    if (at.index < CountOf(record, at.kind)) return {at.kind, at.index + 1};
    for (int step = 1; step <= kCursorKinds; ++step) {
        const int kind = (at.kind - 1 + step) % kCursorKinds + 1;
        if (CountOf(record, kind) > 0) return {kind, 1};
    }
    return at;
}

VisuCursorPosition PreviousCursorPosition(const TGrafikRecord& record, VisuCursorPosition at) {
    if (!Valid(record, at)) return FirstCursorPosition(record);
    if (at.index > 1) return {at.kind, at.index - 1};
    for (int step = 1; step <= kCursorKinds; ++step) {
        const int kind = (at.kind - 1 - step + 2 * kCursorKinds) % kCursorKinds + 1;
        if (const int count = CountOf(record, kind); count > 0) return {kind, count};
    }
    return at;
}

bool ToggleElementHidden(TGrafikRecord& record, VisuCursorPosition at) {
    if (!Valid(record, at)) return false;
    auto& x = record.Elemente[at.kind - 1][at.index - 1].X;
    x = std::int16_t(-x.get());
    return true;
}

bool IsElementHidden(const TGrafikRecord& record, int kind, int index) {
    return record.Elemente[kind - 1][index - 1].X.get() < 0;
}

}  // namespace ovis
