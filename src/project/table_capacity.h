#pragma once
// Texts for the limit of 1000 rows per table.
#include <cstddef>
#include <optional>
#include <string>

#include "project/record_table.h"

namespace ovis {

// Refusal of "Neue Meldung" or "Meldung einfügen" when `adding` rows do not fit beside `rows`.
std::string TableFullMessage(std::size_t rows, std::size_t adding);

// After loading a file with more records than a table holds: which rows were loaded. Nothing
// when every record fit.
std::optional<std::string> LoadOverflowMessage(const std::string& fileName, const TableLoadResult& result);

}  // namespace ovis
