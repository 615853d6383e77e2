#include "link/configuration_image_messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

#include "programs/program_lines.h"
#include "tables/io_fixture.h"

namespace ovis {
namespace {

template <typename Record>
std::vector<int> Bytes(const Record& record) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
    return std::vector<int>(p, p + sizeof record);
}

// Ring: OPTO16, OPTO6, RELAIS6, OPTO-REL, TAST-LED, TRANS16, OPTO16-OUT.
struct IoRecordFixture : ::testing::Test {
    TParameterRecord params{};
    RingOffsets ring;

    IoRecordFixture() {
        for (std::size_t i = 0; i < std::size(test::kRing); ++i) params.Modulanordnung[i] = std::uint8_t(test::kRing[i]);
        ring = ComputeRingOffsets(params);
    }

    TIoRecord Row(const char* typ, int module, const char* klemmreihe, std::int32_t ein, std::int32_t aus,
                  const char* unit) const {
        TIoRecord row = test::IoRow("E", module, klemmreihe, typ, {{1, "High"}, {3, "Low"}});
        row.EinVerzoegerung = ein;
        row.AusVerzoegerung = aus;
        row.Einheit = unit;
        return row;
    }
};

TEST_F(IoRecordFixture, FlagsRingByteLevelsAndDelays) {
    struct Case {
        const char* what;
        TIoRecord row;
        std::vector<int> bytes;
    };
    TIoRecord notRecorded = Row("DC", 1, "Oben", 0, 0, "Milli");
    notRecorded.Erfassung = false;
    const std::vector<Case> cases = {
        {"DC, upper row", Row("DC", 1, "Oben", 0, 0, "Milli"), {0x02, 0, 0x05, 0x01, 0, 0, 0, 0}},
        {"OPTO16 lower row: next input byte", Row("DC", 1, "Unten", 0, 0, "Milli"), {0x02, 1, 0x05, 0x01, 0, 0, 0, 0}},
        {"OPTO6 lower row: second input byte", Row("Taste", 2, "Unten", 0, 0, "Milli"), {0x02, 3, 0x05, 0x01, 0, 0, 0, 0}},
        {"output on RELAIS6", Row("Relais", 3, "Oben", 0, 0, "Milli"), {0x02, 0, 0x05, 0x01, 0, 0, 0, 0}},
        {"OPTO-REL lower row: levels shifted", Row("Relais", 4, "Unten", 0, 0, "Milli"), {0x02, 1, 0x02, 0x00, 0, 0, 0, 0}},
        {"TRANS16 lower row", Row("Trans", 6, "Unten", 0, 0, "Milli"), {0x02, 4, 0x05, 0x01, 0, 0, 0, 0}},
        {"AC with delay 0: 6 ms", Row("AC", 1, "Oben", 0, 0, "Milli"), {0x03, 0, 0x05, 0x01, 0x00, 0x06, 0x00, 0x06}},
        {"AC below 6 ms", Row("AC", 1, "Oben", 5, 3, "Milli"), {0x03, 0, 0x05, 0x01, 0x00, 0x06, 0x00, 0x06}},
        {"AC at 6 ms", Row("AC", 1, "Oben", 6, 7, "Milli"), {0x03, 0, 0x05, 0x01, 0x00, 0x07, 0x00, 0x06}},
        {"AC 0 s", Row("AC", 1, "Oben", 0, 2, "Sek"), {0x03, 0, 0x05, 0x01, 0x07, 0xD0, 0x00, 0x06}},
        {"Sek 90 both", Row("DC", 1, "Oben", 90, 90, "Sek"), {0x2A, 0, 0x05, 0x01, 0x75, 0x01, 0x75, 0x01}},
        {"Sek 20000 off only", Row("DC", 1, "Oben", 0, 20000, "Sek"), {0x12, 0, 0x05, 0x01, 0x01, 0x4D, 0, 0}},
        {"Min 240 / 241", Row("DC", 1, "Oben", 241, 240, "Min"), {0x4A, 0, 0x05, 0x01, 0x00, 0xF0, 0x00, 0xF1}},
        {"Min with on delay 0", Row("DC", 1, "Oben", 0, 300, "Min"), {0x12, 0, 0x05, 0x01, 0x01, 0x2C, 0, 0}},
        {"Std", Row("DC", 1, "Oben", 2, 1, "Std"), {0x52, 0, 0x05, 0x01, 0x00, 0x3C, 0x00, 0x78}},
        {"not recorded", notRecorded, {0x82, 0, 0x05, 0x01, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto bytes = Bytes(IoMessageRecord(c.row, params, ring));
        EXPECT_EQ(std::vector<int>(bytes.begin(), bytes.begin() + 8), c.bytes);
        EXPECT_EQ(std::vector<int>(bytes.begin() + 8, bytes.end()), std::vector<int>(8, 0));
    }
}

TEST_F(IoRecordFixture, InputCountsCountOnlyInputRowsPerRingByte) {
    const std::vector<TIoRecord> rows = {Row("DC", 1, "Oben", 0, 0, "Milli"), Row("AC", 1, "Unten", 0, 0, "Milli"),
                                         Row("Taste", 1, "Unten", 0, 0, "Milli"), Row("Relais", 3, "Oben", 0, 0, "Milli")};
    std::vector<TIoMessageRecord> records;
    for (const auto& row : rows) records.push_back(IoMessageRecord(row, params, ring));
    const auto counts = InputCountBlock(rows, records);
    EXPECT_EQ(counts[0], 1);
    EXPECT_EQ(counts[1], 2);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 3);
}

TLedRecord LedRow() {
    TLedRecord row;
    std::memset(&row, 0, sizeof row);
    row.Bezeichnung = "Text";
    for (int i = 0; i < kLedModulePositions; ++i) row.ModulListe[i] = std::uint8_t(i + 1);
    row.LetzteSpalte = 12;
    for (int i = 0; i < 12; ++i) row.Spalten[i] = std::uint8_t(i + 1);
    row.X0 = 3;
    row.X1 = 14;
    row.Modulzahl = 3;
    row.Umbruch = 0;
    row.Farbe[0] = 6;
    row.Farbe[1] = 21;
    row.AnzahlFarben = 2;
    row.Helligkeit[0] = 6;
    row.Helligkeit[1] = 10;
    row.AnzahlHelligkeiten = 2;
    row.Richtung = 3;
    row.Dx = 1;
    row.Distanz = 4;
    row.Einheit = "Milli";
    row.Verzoegerung = 500;
    row.SpeichernEingang = true;
    row.Status = true;
    return row;
}

TEST(LedMessageRecord, HorizontalRowWithConsecutiveModules) {
    const TLedRecord row = LedRow();
    // a = 3, b = 4, several modules: ((6 - 3 + 4) * 16) mod 256 + 3 = 115.
    EXPECT_EQ(Bytes(LedMessageRecord(row)),
              (std::vector<int>{0x0A, 115, 3, 1, 1, 1, 0x01, 0xF4, 255, 0, 0, 0, 0, 16, 0, 0}));
    EXPECT_EQ(LedData(row), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 2, 7, 31, 2, 6, 21, 1}));
}

TEST(LedMessageRecord, VerticalRowPadsItsLastLineAndListsScatteredModules) {
    TLedRecord row = LedRow();
    row.Richtung = 6;
    row.Umbruch = 1;  // lines of 5 columns: 12 columns padded to 15
    row.ModulListe[1] = 7;
    row.Helligkeit[0] = 11;  // no colours: every colour is sent as 255
    row.Einheit = "Ext";
    row.Verzoegerung = 0;
    row.SpeichernEingang = false;
    row.Status = false;
    const LedLayout layout = LedLayoutOf(row);
    EXPECT_FALSE(layout.consecutive);
    EXPECT_EQ(layout.pad, 3);
    EXPECT_EQ(layout.columns, 15);
    // D = 15 + Distanz * 5.
    EXPECT_EQ(Bytes(LedMessageRecord(row)),
              (std::vector<int>{0xF5, 115, 3, 1, 1, 1, 0x03, 0xE8, 1, 0, 0, 0, 0, 35, 0, 0}));
    EXPECT_EQ(LedData(row), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 0, 0, 2, 0, 31, 2,
                                                       255, 255, 1, 7, 3}));
}

TEST(LedMessageRecord, OneModuleWindow) {
    TLedRecord row = LedRow();
    row.X0 = 7;
    row.X1 = 9;
    row.Modulzahl = 1;
    row.Einheit = "Min";
    row.Verzoegerung = 241;
    EXPECT_EQ(Bytes(LedMessageRecord(row))[0], 0x08 | 0x02 | 0x40);
    EXPECT_EQ(Bytes(LedMessageRecord(row))[1], (4 - 2 + 1) * 16 + 2);
}

TEST(CounterMessageRecord, FlagsNumbersAndBigEndianValues) {
    std::vector<TIoRecord> io(2);
    io[0].Bezeichnung = "Impuls";
    io[1].Bezeichnung = "Anzeige";
    MessageNumbering numbering({io, {}, {}, {}, {}, {}, {}});
    TCounterRecord row{};
    row.Zaehlung = "Impuls";
    row.Zaehlart = "Millisek.";
    row.Status = "EN+RST";
    row.Anzeige = "Anzeige";
    row.AutoDis = true;
    row.DxNegativ = true;
    row.Ende = 0x012345;
    row.Stand = 70000;
    EXPECT_EQ(Bytes(CounterMessageRecord(row, numbering)),
              (std::vector<int>{0xF4, 0, 1, 0, 0, 0, 0, 0, 2, 0, 0x01, 0x23, 0x45, 0x01, 0x11, 0x70}));
    row.Status = "DISABLE";
    row.Zaehlart = "Ereignis";
    row.Anzeige = "keine Anzeige";
    row.Zaehlung = "impuls";  // exact comparison: not found
    row.AutoDis = false;
    row.DxNegativ = false;
    EXPECT_EQ(Bytes(CounterMessageRecord(row, numbering)),
              (std::vector<int>{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x01, 0x23, 0x45, 0x01, 0x11, 0x70}));
}

TEST(TimerMessageRecord, MaskedFieldsAre255) {
    TTimerRecord row{};
    row.Uhrzeit = "07:30:15";
    row.ZeitMaske = "  :  :xx";
    row.Datum = "24.12";
    row.DatumMaske = "  .xx.    ";
    row.Wochentag = "Freitag";
    EXPECT_EQ(Bytes(TimerMessageRecord(row)), (std::vector<int>{1, 255, 30, 7, 24, 255, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    row.Wochentag = "";
    row.ZeitMaske = "xx:  :  ";
    EXPECT_EQ(Bytes(TimerMessageRecord(row)), (std::vector<int>{0, 15, 30, 255, 24, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(GroupMessageRecord, TriggerScanDelayAndFolder) {
    TParameterRecord params{};
    params.Ordner[2] = "Tueren";
    TGruppeRecord row{};
    row.Anzahl = 3;
    row.Trigger = "beliebig";
    row.Scan = "einmal";
    row.Einheit = "Std";
    row.Verzoegerung = 2;
    row.SpeicherOrdner = "Tueren";
    EXPECT_EQ(Bytes(GroupMessageRecord(row, 0x9000, params)),
              (std::vector<int>{0x5C, 0x90, 0x00, 0x90, 0x04, 0, 0x00, 0x78, 2, 0, 0, 0, 0, 0, 0, 0}));
    row.Trigger = "aktiv";
    row.Scan = "zyklisch";
    row.Einheit = "Min";
    row.Verzoegerung = 10;
    row.SpeicherOrdner = "";
    EXPECT_EQ(Bytes(GroupMessageRecord(row, 0x9000, params)),
              (std::vector<int>{0xA4, 0x90, 0x00, 0x90, 0x04, 0, 0x00, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(ProgramMessageRecord, OperatorsOperandsOrdersAndHeaderLines) {
    std::vector<TIoRecord> io(6);
    const char* names[] = {"E1", "E2", "E3", "E4", "E5", "Ziel"};
    for (int i = 0; i < 6; ++i) io[i].Bezeichnung = names[i];
    MessageNumbering numbering({io, {}, {}, {}, {}, {}, {}});
    struct Case {
        const char* what;
        TProgrammLine line;
        std::vector<int> bytes;
    };
    TProgrammLine header = test::Line("Teil", "E5", "TRUE", "", "NONE", "", 48, "UP");
    const std::vector<Case> cases = {
        {"TRUE sends A AND A", test::Line("P", "E5"), {0, 4, 0, 5, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"FALSE sends A NOR A", test::Line("P", "E2", "FALSE"), {0, 1, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"AND NOT with SET", test::Line("P", "E1", "AND NOT", "E3", "SET", "Ziel"),
         {0, 8, 0, 1, 0, 3, 0, 0, 1, 0, 0, 0, 0, 6, 0, 0}},
        {"XOR with GOTO and Sek", test::Line("P", "E1", "XOR", "E2", "GOTO", "Ziel", 90, "Sek"),
         {0x20, 16, 0, 1, 0, 2, 0x75, 0x01, 6, 0, 0, 0, 0, 6, 0, 0}},
        {"OR with Min", test::Line("P", "E1", "OR", "E2", "NONE", "", 300, "Min"),
         {0x40, 2, 0, 1, 0, 2, 0x01, 0x2C, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"'>' and ADD are sent as 0", test::Line("P", "E1", ">", "E2", "ADD", "Ziel"),
         {0, 0, 0, 1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0}},
        {"header line: Wert unchanged", header, {0x04, 4, 0, 5, 0, 5, 0, 48, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Bytes(ProgramMessageRecord(c.line, numbering)), c.bytes);
    }
}

TEST(OutputFileMessageRecord, MemoryCodeAndAddresses) {
    OutputFile file{"Ablauf", 15, 0x8000, 0x8010, 6, {}};
    EXPECT_EQ(Bytes(OutputFileMessageRecord(file)),
              (std::vector<int>{0, 15, 0x80, 0x00, 15, 0x80, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace ovis
