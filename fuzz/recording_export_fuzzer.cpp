// Fuzz target: the export of a recording. The input is four message names of 12 bytes each (record
// bytes, trailing zeros cut) and then the records of a recording (a partial last record is left
// out). Properties: the value change dump declares each shown message once under a distinct name
// and identifier, no name ends its comment early, its times ascend, every change names a declared
// wire and it is printable ASCII throughout; the CSV list has one line of five fields per record
// of a shown message.
#include <cstdint>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "evaluation/recording_export.h"
#include "fuzz/fuzz_check.h"

namespace ovis::fuzz {
namespace {

constexpr int kMessages = 4;
constexpr std::size_t kNameBytes = 12;

std::vector<std::string> Tokens(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;) tokens.push_back(t);
    return tokens;
}

bool IsWireName(const std::string& name) {
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    return !name.empty();
}

void CheckDump(const std::string& dump, bool hasRecords) {
    if (!hasRecords) {
        FUZZ_CHECK(dump.empty(), "a dump without any record");
        return;
    }
    for (const char c : dump)
        FUZZ_CHECK(c == '\n' || c == '\t' || (c >= ' ' && c <= '~'), "a byte outside printable ASCII");
    std::istringstream in(dump);
    std::set<std::string> ids, names;
    std::string line;
    while (std::getline(in, line) && line != "$enddefinitions $end") {
        const auto tokens = Tokens(line);
        if (tokens.empty() || (tokens[0] != "$comment" && tokens[0] != "$var")) continue;
        for (std::size_t i = 1; i + 1 < tokens.size(); ++i) FUZZ_CHECK(tokens[i] != "$end", "a name ends its section");
        FUZZ_CHECK(tokens.back() == "$end", "a section without its end");
        if (tokens[0] == "$var") {
            FUZZ_CHECK(tokens.size() == 6 && tokens[1] == "wire" && tokens[2] == "1", "a wire of another shape");
            FUZZ_CHECK(ids.insert(tokens[3]).second, "an identifier used twice");
            FUZZ_CHECK(IsWireName(tokens[4]) && names.insert(tokens[4]).second, "a wire name bad or used twice");
        }
    }
    FUZZ_CHECK(ids.size() == std::size_t(kMessages), "not one wire per shown message");
    long long time = -1;
    while (std::getline(in, line)) {
        if (line == "$dumpvars" || line == "$end") continue;
        FUZZ_CHECK(!line.empty(), "an empty line");
        if (line[0] == '#') {
            const long long next = std::stoll(line.substr(1));
            FUZZ_CHECK(next > time, "times do not ascend");
            time = next;
        } else {
            FUZZ_CHECK(std::strchr("01x", line[0]) != nullptr && ids.contains(line.substr(1)), "a bad value change");
        }
    }
}

void CheckCsv(const std::string& csv, std::size_t shownRecords) {
    const std::string header = "\xEF\xBB\xBF" "Datum;Uhrzeit;Nummer;Meldung;Pegel\r\n";
    FUZZ_CHECK(csv.compare(0, header.size(), header) == 0, "no BOM and header");
    std::size_t lines = 0, fields = 1;
    bool quoted = false;
    for (std::size_t i = header.size(); i < csv.size(); ++i) {
        const char c = csv[i];
        if (c == '"') quoted = !quoted;
        else if (c == ';' && !quoted) ++fields;
        else if (c == '\n') FUZZ_CHECK(false, "a line break inside a line");
        else if (c == '\r') {
            FUZZ_CHECK(!quoted && i + 1 < csv.size() && csv[i + 1] == '\n', "a bare CR");
            FUZZ_CHECK(fields == 5, "a line without five fields");
            ++lines, fields = 1, ++i;
        }
    }
    FUZZ_CHECK(lines == shownRecords, "not one line per record of a shown message");
}

}  // namespace
}  // namespace ovis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ovis;
    constexpr std::size_t kNamesSize = fuzz::kMessages * fuzz::kNameBytes;
    if (size < kNamesSize) return 0;
    std::vector<std::string> names;
    for (int m = 0; m < fuzz::kMessages; ++m) {
        std::string name(reinterpret_cast<const char*>(data) + m * fuzz::kNameBytes, fuzz::kNameBytes);
        name.erase(name.find_last_not_of('\0') + 1);
        names.push_back(name);
    }
    std::vector<TRecordingEvent> records((size - kNamesSize) / sizeof(TRecordingEvent));
    if (!records.empty()) std::memcpy(records.data(), data + kNamesSize, records.size() * sizeof(TRecordingEvent));

    TAuswahlRecord all{};
    std::fill(std::begin(all.Shown), std::end(all.Shown), std::uint8_t{1});
    const std::vector<int> numbers{1, 2, 3, 4};
    const AnalyserRows rows = AnalyserRows::Build(numbers, all, [&](int n) { return names[std::size_t(n - 1)]; });

    bool hasRecords = false;
    std::size_t shownRecords = 0;
    for (const TRecordingEvent& e : records) {
        hasRecords = hasRecords || !IsMarker(e);
        if (!IsMarker(e) && MessageNumber(e) <= fuzz::kMessages) ++shownRecords;
    }
    std::ostringstream dump, csv;
    WriteVcd(dump, records, rows);
    WriteCsv(csv, records, rows);
    fuzz::CheckDump(dump.str(), hasRecords);
    fuzz::CheckCsv(csv.str(), shownRecords);
    return 0;
}
