#pragma once
// The fields of a parameter record as "Field = value" lines; strings quoted.
#include <string>

#include "project/parameter_record.h"
#include "project/led_parameter_record.h"

namespace ovis::cli {

std::string ParameterListing(const TParameterRecord& record);
// The LED parameters; positions, colours and brightness of the modules 1 to `AnzahlModule`.
std::string LedParameterListing(const TLedParameterRecord& record);

// A record string as UTF-8 text between double quotes, as it is but for its control characters
// (EscapeControlCharacters).
std::string Quoted(std::string_view recordBytes);

}  // namespace ovis::cli
