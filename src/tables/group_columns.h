#pragma once
// The columns of the group editor's grid.
namespace ovis::group_column {

inline constexpr int kNumber = 0;       // "Nr"
inline constexpr int kName = 1;         // "Meldung"
inline constexpr int kFirstMember = 2;  // "1. Meldung"
inline constexpr int kMemberCount = 3;  // "Anzahl"
inline constexpr int kScan = 4;         // "Scan"
inline constexpr int kTrigger = 5;      // "Trigger"
inline constexpr int kDelay = 6;        // "Verzögerung"
inline constexpr int kUnit = 7;         // no title
inline constexpr int kFolder = 8;       // "Speichern"
inline constexpr int kCount = 9;

}  // namespace ovis::group_column
