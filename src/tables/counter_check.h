#pragma once
// The counter table's own check before saving: a start value may not exceed its comparison
// value.
#include <optional>
#include <span>

#include "project/counter_record.h"
#include "tables/name_check.h"

namespace ovis {

// The first row, top to bottom, whose `Stand` is greater than its `Ende`; equal values pass.
std::optional<CheckFailure> CheckCounterRows(std::span<const TCounterRecord> rows);

}  // namespace ovis
