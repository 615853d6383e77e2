#pragma once
// The fields of a parameter record as "Field = value" lines; strings quoted.
#include <string>

#include "config/parameter_record.h"

namespace ovis::cli {

std::string ParameterListing(const TParameterRecord& record);

// A record string as UTF-8 text between double quotes, as it is but for its control characters
// (EscapeControlCharacters).
std::string Quoted(std::string_view recordBytes);

}  // namespace ovis::cli
