#pragma once
// The I/O table's own save checks: input rows before output rows, and within each block the
// rows ordered by module and, within a module, the upper terminal row before the lower.
#include <optional>
#include <span>

#include "project/io_records.h"
#include "tables/name_check.h"

namespace ovis {

// "AC", "DC" and "Taste" are inputs; every other kind is an output.
bool IsInputKind(const TIoRecord& row);

std::optional<CheckFailure> CheckIoOrder(std::span<const TIoRecord> rows);

}  // namespace ovis
