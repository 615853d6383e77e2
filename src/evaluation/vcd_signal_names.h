#pragma once
// The names and identifier codes of the wires of a value change dump: one per shown message.
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/analyser_rows.h"

namespace ovis {

// A message name (record bytes) as a wire name: every byte outside [A-Za-z0-9_] becomes '_';
// an empty name becomes "Meldung_" + number.
std::string VcdWireName(std::string_view name, int number);

// The wire names of the shown rows in row order: a name that an earlier row already took gets the
// first free suffix "_2", "_3", ...
std::vector<std::string> VcdWireNames(const AnalyserRows& rows);

// The short identifier code of wire `index` (0-based): printable characters '!' to '~', as few as
// the index needs, distinct for every index.
std::string VcdIdentifier(int index);

}  // namespace ovis
