#include "evaluation/vcd_signal_names.h"

#include <unordered_set>

namespace ovis {
namespace {

bool IsWireNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::string VcdWireName(std::string_view name, int number) {
    if (name.empty()) return "Meldung_" + std::to_string(number);
    std::string wire(name);
    for (char& c : wire)
        if (!IsWireNameCharacter(c)) c = '_';
    return wire;
}

std::vector<std::string> VcdWireNames(const AnalyserRows& rows) {
    std::vector<std::string> names;
    std::unordered_set<std::string> taken;
    for (int r = 1; r <= rows.Count(); ++r) {
        const std::string base = VcdWireName(rows.Name(r), rows.Message(r));
        std::string name = base;
        for (int suffix = 2; taken.contains(name); ++suffix) name = base + '_' + std::to_string(suffix);
        taken.insert(name);
        names.push_back(std::move(name));
    }
    return names;
}

std::string VcdIdentifier(int index) {
    constexpr int kFirst = '!', kCount = '~' - '!' + 1;
    std::string code;
    for (unsigned n = unsigned(index) + 1; n > 0; n = (n - 1) / kCount) code += char(kFirst + int((n - 1) % kCount));
    return code;
}

}  // namespace ovis
