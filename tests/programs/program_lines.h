#pragma once
// Program lines for tests.
#include <string>

#include "programs/program_line.h"

namespace ovis::test {

inline TProgrammLine ProgramLine(const std::string& name, const std::string& a, const std::string& logik = "TRUE",
                                 const std::string& b = "", const std::string& order = "NONE",
                                 const std::string& c = "", int wert = 0, const std::string& einheit = "Milli") {
    TProgrammLine line{};
    line.Bezeichnung = name;
    line.MeldungA = a;
    line.Logik = logik;
    line.MeldungB = b;
    line.Wert = wert;
    line.Einheit = einheit;
    line.Order = order;
    line.MeldungC = c;
    return line;
}

}  // namespace ovis::test
