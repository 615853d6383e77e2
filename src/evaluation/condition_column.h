#pragma once
// The analyser's search condition column: one cell per shown row, "x" when the column is shown,
// set through the right-click list to "High", "Low" or "x"; its cells give the search conditions.
#include <array>
#include <string>
#include <vector>

#include "evaluation/analyser_rows.h"
#include "evaluation/event_search.h"

namespace ovis {

// The entries of the right-click list on a condition cell.
inline constexpr std::array<const char*, 3> kConditionListEntries{"  High", "  Low", "  x"};

class ConditionColumn {
public:
    // "Suchbedingung eintragen" ticked: "x" in each of `rows` shown rows; unticked: no column.
    void Show(int rows) { cells_.assign(std::size_t(rows > 0 ? rows : 0), "x"); shown_ = true; }
    void Hide() { cells_.clear(); shown_ = false; }
    bool Shown() const { return shown_; }

    // Row r (1-based); "" outside the shown rows.
    const std::string& Cell(int row) const;
    // A choice in the right-click list (one of kConditionListEntries) for row r.
    void Choose(int row, const std::string& listEntry);

    // Every message as don't care, except the shown rows' "High" and "Low" cells.
    SearchConditions Conditions(const AnalyserRows& rows) const;

private:
    std::vector<std::string> cells_;
    bool shown_ = false;
};

}  // namespace ovis
