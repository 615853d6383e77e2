// Export of recordings: the value change dump and the CSV list read back by small readers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <memory>
#include <sstream>

#include "evaluation/analyser_edit.h"
#include "evaluation/analyser_fixture.h"
#include "evaluation/analyser_model.h"
#include "evaluation/analyser_time_labels.h"
#include "evaluation/recording_export.h"
#include "evaluation/vcd_signal_names.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

std::string ReadText(const std::filesystem::path& file) {
    const auto bytes = test::ReadBytes(file);
    return {bytes.begin(), bytes.end()};
}

void WriteText(const std::filesystem::path& file, const std::string& text) {
    test::WriteBytes(file, {text.begin(), text.end()});
}

using test::At;
using test::MakeEvent;
using testing::HasSubstr;

constexpr std::int64_t kHour = 360000000;  // in 10-us steps
constexpr std::int64_t kSecond = 100000;

// What a waveform viewer takes from a dump: the header fields, each wire's changes over time.
struct Dump {
    std::string date;
    std::string timescale;
    std::vector<std::string> comments;
    std::map<std::string, std::string> nameOf;  // identifier -> wire name
    std::map<std::string, std::vector<std::pair<std::int64_t, char>>> changes;  // wire name -> (time, value)
    std::int64_t lastTime = -1;
    bool timesAscend = true;

    // The wire's value at time t: its last change at or before t; '?' before the first.
    char ValueAt(const std::string& wire, std::int64_t t) const {
        char value = '?';
        for (const auto& [time, v] : changes.at(wire))
            if (time <= t) value = v;
        return value;
    }
};

// Reads a dump by whitespace-separated tokens as the viewers do: a section runs to "$end".
Dump ReadDump(const std::string& text) {
    Dump dump;
    std::istringstream in(text);
    std::string token;
    auto section = [&] {
        std::string body, t;
        while (in >> t && t != "$end") body += (body.empty() ? "" : " ") + t;
        return body;
    };
    std::int64_t time = 0;
    while (in >> token) {
        if (token == "$date") {
            dump.date = section();
        } else if (token == "$timescale") {
            dump.timescale = section();
        } else if (token == "$comment") {
            dump.comments.push_back(section());
        } else if (token == "$var") {
            std::istringstream var(section());
            std::string type, width, id, name;
            var >> type >> width >> id >> name;
            EXPECT_EQ(type, "wire");
            EXPECT_EQ(width, "1");
            dump.nameOf[id] = name;
            dump.changes[name];
        } else if (token == "$dumpvars" || token == "$end") {
        } else if (token[0] == '$') {
            section();
        } else if (token[0] == '#') {
            const std::int64_t next = std::stoll(token.substr(1));
            if (next < time || next <= dump.lastTime) dump.timesAscend = false;
            time = dump.lastTime = next;
        } else {
            const std::string id = token.substr(1);
            EXPECT_TRUE(dump.nameOf.contains(id)) << token;
            dump.changes[dump.nameOf[id]].emplace_back(time, token[0]);
        }
    }
    return dump;
}

// Reads the CSV list: the BOM, then fields split at ';' outside quotes, lines at CR LF.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    std::vector<std::vector<std::string>> lines(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 3; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') lines.back().back() += '"', ++i;
            else if (c == '"') quoted = false;
            else lines.back().back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            lines.back().emplace_back();
        } else if (c == '\r') {
            EXPECT_EQ(text[i + 1], '\n');
            ++i;
            lines.emplace_back(1);
        } else {
            lines.back().back() += c;
        }
    }
    EXPECT_EQ(lines.back(), std::vector<std::string>(1)) << "the last line ends with CR LF";
    lines.pop_back();
    return lines;
}

AnalyserRows NamedRows(const std::vector<std::pair<int, std::string>>& messages) {
    std::vector<int> numbers;
    std::map<int, std::string> names;
    for (const auto& [number, name] : messages) numbers.push_back(number), names[number] = name;
    TAuswahlRecord all{};
    std::fill(std::begin(all.Shown), std::end(all.Shown), std::uint8_t{1});
    return AnalyserRows::Build(numbers, all, [&](int number) { return names[number]; });
}

template <typename Write>
std::string Written(Write write, std::span<const TRecordingEvent> records, const AnalyserRows& rows) {
    std::ostringstream out;
    write(out, records, rows);
    return out.str();
}

// A day file of 1 March 2008 for messages 1 to 3, edited: message 1 High from 08:00 to 09:30, a
// pulse of message 2 made by "Ereignis erzeugen" at 12:00, message 3 High from 06:00 but not shown.
class DayFileExport : public testing::Test {
protected:
    std::unique_ptr<TRecording> recording = std::make_unique<TRecording>();
    AnalyserRows rows = NamedRows({{1, "Pumpe 1"}, {2, "Pumpe-1"}});

    DayFileExport() {
        recording->Assign(test::CreatedDayFile(3));
        recording->Append(MakeEvent(3, true, At(6)));
        recording->Append(MakeEvent(1, false, At(9, 30)));
        recording->Append(MakeEvent(1, true, At(8)));
        recording->SortEvents();
        EditTarget pulse;
        pulse.rows = {{2, false}};
        pulse.cursor = StampOf(MakeEvent(2, false, At(12)));
        EXPECT_TRUE(CreatePulse(*recording, pulse).changed);
    }
};

TEST_F(DayFileExport, DumpHoldsTheLevelsAtKnownTimes) {
    const Dump dump = ReadDump(Written(WriteVcd, recording->Events(), rows));
    EXPECT_EQ(dump.date, "01.03.2008 00:00:00,00000");
    EXPECT_EQ(dump.timescale, "10 us");
    EXPECT_TRUE(dump.timesAscend);
    ASSERT_EQ(dump.changes.size(), 2u) << "message 3 is not shown";
    EXPECT_THAT(dump.comments, testing::ElementsAre("Meldung 1: \"Pumpe 1\"", "Meldung 2: \"Pumpe-1\""));
    const struct {
        const char* wire;
        std::int64_t time;
        char value;
    } cases[] = {
        {"Pumpe_1", 0, '0'},           {"Pumpe_1", 8 * kHour - 1, '0'},         {"Pumpe_1", 8 * kHour, '1'},
        {"Pumpe_1", 9 * kHour + 1, '1'}, {"Pumpe_1", 9 * kHour + 30 * 60 * kSecond, '0'},
        {"Pumpe_1_2", 0, '0'},         {"Pumpe_1_2", 12 * kHour - 1, '0'},      {"Pumpe_1_2", 12 * kHour, '1'},
        {"Pumpe_1_2", 12 * kHour + 1, '1'}, {"Pumpe_1_2", 12 * kHour + 2, '0'},
    };
    for (const auto& c : cases) EXPECT_EQ(dump.ValueAt(c.wire, c.time), c.value) << c.wire << " at " << c.time;
    EXPECT_EQ(dump.changes.at("Pumpe_1").size(), 3u) << "the final block repeats the levels and changes nothing";
    EXPECT_EQ(dump.lastTime, 24 * kHour - kSecond) << "the dump reaches the file end";
}

TEST_F(DayFileExport, CsvListsEveryRecordOfTheShownMessages) {
    const auto lines = ReadCsv(Written(WriteCsv, recording->Events(), rows));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], (std::vector<std::string>{"Datum", "Uhrzeit", "Nummer", "Meldung", "Pegel"}));
    // Initial block 2, message 1 two events, the pulse two, final block 2; message 3 and the markers left out.
    ASSERT_EQ(lines.size(), 1u + 8u);
    EXPECT_EQ(lines[1], (std::vector<std::string>{"01.03.2008", "00:00:00,00000", "1", "Pumpe 1", "Low"}));
    EXPECT_EQ(lines[3], (std::vector<std::string>{"01.03.2008", "08:00:00,00000", "1", "Pumpe 1", "High"}));
    EXPECT_EQ(lines[4], (std::vector<std::string>{"01.03.2008", "09:30:00,00000", "1", "Pumpe 1", "Low"}));
    EXPECT_EQ(lines[5], (std::vector<std::string>{"01.03.2008", "12:00:00,00000", "2", "Pumpe-1", "High"}));
    EXPECT_EQ(lines[6], (std::vector<std::string>{"01.03.2008", "12:00:00,00002", "2", "Pumpe-1", "Low"}));
    EXPECT_EQ(lines[8], (std::vector<std::string>{"01.03.2008", "23:59:59,00000", "2", "Pumpe-1", "Low"}));
}

TEST_F(DayFileExport, FileExportIsWhatTheStreamGets) {
    test::TempDir dir;
    for (const auto format : {ExportFormat::Vcd, ExportFormat::Csv}) {
        const auto file = dir / "Tag.export";
        EXPECT_EQ(ExportRecordingFile(file, *recording, rows, format), std::nullopt);
        std::ostringstream expected;
        WriteExport(expected, recording->Events(), rows, format);
        EXPECT_EQ(ReadText(file), expected.str());
    }
}

TEST(RecordingExport, RefusalsAndFailedWritesLeaveTheFileAlone) {
    test::TempDir dir;
    const auto file = dir / "alt.vcd";
    WriteText(file, "alt");
    auto markersOnly = std::make_unique<TRecording>();
    markersOnly->Assign(test::MarkerPair());
    const auto rows = NamedRows({{1, "A"}});
    EXPECT_EQ(ExportRecordingFile(file, *markersOnly, rows, ExportFormat::Vcd), NoEventsText(""));
    auto day = std::make_unique<TRecording>();
    day->Assign(test::CreatedDayFile(1));
    EXPECT_THAT(ExportRecordingFile(file, *day, NamedRows({}), ExportFormat::Csv).value_or(""),
                HasSubstr("keine Meldung"));
    EXPECT_EQ(ReadText(file), "alt");
    const auto failed = ExportRecordingFile(dir / "fehlt" / "x.csv", *day, rows, ExportFormat::Csv);
    ASSERT_TRUE(failed.has_value());
    EXPECT_THAT(*failed, HasSubstr("x.csv"));
}

TEST(RecordingExport, TimesNeverGoBackAndCrossNewYear) {
    // 31 December 2008 23:59:59, a record one second earlier (out of order), then 1 January 2009.
    std::vector<TRecordingEvent> records = test::MarkerPair();
    records.push_back(MakeEvent(1, false, {12, 31, 23, 59, 59000}));
    records.push_back(MakeEvent(1, true, {12, 31, 23, 59, 58000}));
    records.push_back(MakeEvent(1, false, {1, 1, 0, 0, 1000, 0, 109}));
    const Dump dump = ReadDump(Written(WriteVcd, records, NamedRows({{1, "A"}})));
    EXPECT_TRUE(dump.timesAscend);
    EXPECT_EQ(dump.ValueAt("A", 0), '1') << "the earlier record counts at the begin";
    EXPECT_EQ(dump.ValueAt("A", 2 * kSecond - 1), '1');
    EXPECT_EQ(dump.ValueAt("A", 2 * kSecond), '0');
}

TEST(RecordingExport, WireWithoutInitialRecordStartsUnknown) {
    std::vector<TRecordingEvent> records = test::MarkerPair();
    records.push_back(MakeEvent(1, false, At(0)));
    records.push_back(MakeEvent(2, true, At(1)));
    const Dump dump = ReadDump(Written(WriteVcd, records, NamedRows({{1, "A"}, {2, "B"}})));
    EXPECT_EQ(dump.ValueAt("B", 0), 'x');
    EXPECT_EQ(dump.ValueAt("B", kHour), '1');
}

TEST(RecordingExport, HostileNamesStayInsideTheirFields) {
    std::vector<TRecordingEvent> records = test::CreatedDayFile(4);
    const auto rows = NamedRows({{1, "a $end b"}, {2, "x;\"y\""}, {3, "\xD6l\x1B[2J\\ \x80"}, {4, "=1+1"}});
    const std::string text = Written(WriteVcd, records, rows);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\t' || (c >= ' ' && c <= '~'); }))
        << "waveform viewers read only ASCII";
    const Dump dump = ReadDump(text);
    EXPECT_EQ(dump.changes.size(), 4u);
    EXPECT_THAT(dump.comments, testing::Contains("Meldung 1: \"a \\$end b\""));
    EXPECT_THAT(dump.comments, testing::Contains("Meldung 3: \"\\u00D6l\\x1B[2J\\\\ \\u20AC\""));
    const auto lines = ReadCsv(Written(WriteCsv, records, rows));
    ASSERT_EQ(lines.size(), 1u + 8u);
    EXPECT_EQ(lines[2][3], "x;\"y\"");
    EXPECT_EQ(lines[3][3], "\xC3\x96l\\x1B[2J\\ \xE2\x82\xAC");
    EXPECT_EQ(lines[4][3], "'=1+1");
    for (const auto& line : lines) EXPECT_EQ(line.size(), 5u);
}

TEST(RecordingExport, CsvTimesOfDamagedRecordsAreTheAnalysersLabels) {
    std::vector<TRecordingEvent> records = test::MarkerPair();
    records.push_back(MakeEvent(1, true, {3, 1, 7, 5, 9042, 3}));
    records.push_back(MakeEvent(1, true, {3, 1, 100, 5, 65535, 3}));
    records.push_back(MakeEvent(1, true, {3, 1, 7, 5, 1000, 150}));
    const auto lines = ReadCsv(Written(WriteCsv, records, NamedRows({{1, "A"}})));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1][1], "07:05:09,04203");
    for (std::size_t i = 2; i < 4; ++i) EXPECT_EQ(lines[i][1], TimeLabel(StampOf(records[i + 1])));
}

TEST(VcdSignalNames, NamesAreSanitisedAndCollisionsNumbered) {
    const struct {
        std::string name;
        int number;
        std::string wire;
    } cases[] = {
        {"Pumpe_1", 1, "Pumpe_1"}, {"Pumpe 1", 1, "Pumpe_1"}, {"\xD6lstand", 1, "_lstand"},
        {"a$end", 1, "a_end"},     {"", 7, "Meldung_7"},     {"-K1.2", 1, "_K1_2"},
    };
    for (const auto& c : cases) EXPECT_EQ(VcdWireName(c.name, c.number), c.wire) << c.name;
    EXPECT_THAT(VcdWireNames(NamedRows({{1, "A B"}, {2, "A_B"}, {3, "A-B"}, {4, "A_B_2"}, {5, "C"}})),
                testing::ElementsAre("A_B", "A_B_2", "A_B_3", "A_B_2_2", "C"));
}

TEST(VcdSignalNames, IdentifiersArePrintableAndDistinct) {
    EXPECT_EQ(VcdIdentifier(0), "!");
    EXPECT_EQ(VcdIdentifier(93), "~");
    EXPECT_EQ(VcdIdentifier(94), "!!");
    std::set<std::string> seen;
    for (int i = 0; i < 20000; ++i) {
        const std::string id = VcdIdentifier(i);
        for (char c : id) ASSERT_TRUE(c >= '!' && c <= '~') << i;
        ASSERT_TRUE(seen.insert(id).second) << i;
    }
}

}  // namespace
}  // namespace ovis
