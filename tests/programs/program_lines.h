#pragma once
// Program lines for tests: a new line with the given fields.
#include <string>

#include "programs/program_texts.h"

namespace ovis::test {

inline TProgrammLine Line(const std::string& name, const std::string& a = "Netz", const std::string& logic = "TRUE",
                          const std::string& b = "", const std::string& order = "NONE", const std::string& c = "",
                          int wert = 0, const std::string& einheit = "Milli") {
    TProgrammLine line = NewProgramLine(0);
    line.Bezeichnung = name;
    line.MeldungA = a;
    line.Logik = logic;
    line.MeldungB = b;
    line.Order = order;
    line.MeldungC = c;
    line.Wert = wert;
    line.Einheit = einheit;
    return line;
}

}  // namespace ovis::test
