#include "link/configuration_image.h"

#include <gtest/gtest.h>

#include <cstring>

#include "link/configuration_image_checks.h"
#include "programs/program_lines.h"
#include "tables/io_fixture.h"

namespace ovis {
namespace {

using test::Line;

template <typename Record>
std::vector<Record> Named(std::initializer_list<const char*> names) {
    std::vector<Record> rows;
    for (const char* name : names) {
        Record row;
        std::memset(&row, 0, sizeof row);
        row.Bezeichnung = name;
        rows.push_back(row);
    }
    return rows;
}

struct ImageFixture : ::testing::Test {
    TParameterRecord params{};
    std::vector<TIoRecord> io;
    std::vector<TLedRecord> led = Named<TLedRecord>({"Text"});
    std::vector<TCounterRecord> counters = Named<TCounterRecord>({"Zaehler"});
    std::vector<TTimerRecord> timers = Named<TTimerRecord>({"Uhr"});
    std::vector<TGruppeRecord> groups = Named<TGruppeRecord>({"G1", "G2"});
    ProgramSet programs = JoinPrograms({"Main.pgm", {Line("P1", "E1"), Line("P2", "A1", "OR", "P1")}},
                                       std::vector<ProgramSource>{{"Teil.pgm", {Line("T1", "P2")}}});
    std::vector<OutputFile> outputFiles = {{"Ablauf", 3, 0x8000, 0x8008, 4, {}}};
    std::vector<std::vector<OutputEvent>> outputEvents = {{{1025, 0.0}, {1, 0.05}}};

    ImageFixture() {
        params.Nummer = 7;
        params.BaudFaktor = 12;
        params.BaudFaktor2 = 3;
        params.Modem = true;
        params.Systemerweiterung = 2;
        params.ResetUmMitternacht = 1;
        for (int k = 0; k < 14; ++k) params.Units[k] = std::uint8_t(k + 1);
        for (std::size_t i = 0; i < std::size(test::kRing); ++i) params.Modulanordnung[i] = std::uint8_t(test::kRing[i]);
        io = {test::IoRow("E1", 1, "Oben", "DC", {{1, "High"}}), test::IoRow("A1", 3, "Oben", "Relais", {{2, "Low"}})};
        led[0].LetzteSpalte = 10;
        led[0].X0 = 1;
        led[0].X1 = 10;
        led[0].Modulzahl = 2;
        led[0].AnzahlFarben = 1;
        led[0].AnzahlHelligkeiten = 1;
        led[0].Helligkeit[0] = 1;
        for (int i = 0; i < kLedModulePositions; ++i) led[0].ModulListe[i] = std::uint8_t(i + 1);
        groups[0].Anzahl = 2;
        groups[0].Mitglied[0] = 1;
        groups[0].Mitglied[1] = 2;
        groups[1].Anzahl = 1;
        groups[1].Mitglied[0] = 0x0102;
    }

    ConfigurationInputs Inputs(bool withBackup = false) const {
        ConfigurationInputs inputs;
        inputs.parameters = &params;
        inputs.ledModules = 4;
        inputs.io = io;
        inputs.led = led;
        inputs.counters = counters;
        inputs.timers = timers;
        inputs.groups = groups;
        inputs.programs = &programs;
        inputs.outputFiles = outputFiles;
        inputs.outputEvents = outputEvents;
        inputs.now = {2026, 12, 10, 5, 30, 45, 0};
        inputs.withBackup = withBackup;
        return inputs;
    }

    const MemoryWrite& WriteAt(const ConfigurationImage& image, std::uint16_t address) const {
        for (const auto& write : image.configuration)
            if (write.address == address) return write;
        throw std::runtime_error("no write at " + std::to_string(address));
    }
};

TEST_F(ImageFixture, TransferOrderAndTelegramBoundaries) {
    const ConfigurationBuild build = BuildConfigurationImage(Inputs());
    ASSERT_FALSE(build.checkFailure);
    const ConfigurationImage& image = build.image;
    // 2 I/O + 1 LED + 1 counter + 1 timer + 1 output + 2 groups + 4 program lines = 12 messages.
    std::vector<std::pair<int, std::size_t>> layout;
    for (const auto& write : image.configuration) layout.emplace_back(write.address, write.data.size());
    const int a0 = 0x8A80 + 16 * 12;
    const int ledData = a0 + 2 * 3 + 5 * 4 + 35 * 4 + 35 * 4;
    EXPECT_EQ(layout, (std::vector<std::pair<int, std::size_t>>{
                          {0x8100, 122}, {0x8180, 122}, {0x8200, 25}, {0x8000, 32},
                          {0x8A80, 32},      // I/O rows
                          {0x8040, 64},      // input counts
                          {0x8AA0, 16},      // LED
                          {0x8AB0, 16},      // counter
                          {0x8AC0, 16},      // timer
                          {0x8AD0, 16},      // output file
                          {0x8AE0, 32},      // groups
                          {0x8B00, 64},      // program lines (header included)
                          {a0, 6},           // member lists
                          {0x8800, 4},       // LED index
                          {ledData, 10 + 2 + 2 + 1}}));
    EXPECT_EQ(image.systemHeaderWrite, 3u);
    // (2 + 4 + 1 + 1 + 2 + 4) / 5 + 6
    EXPECT_EQ(image.progressMaximum, 8);
    EXPECT_EQ(image.freeBytes, 64255 - (ledData + 10 + 1 + 1 + 2 + 2));
}

TEST_F(ImageFixture, DirectoryHeaderFoldersAndMembers) {
    const ConfigurationImage image = BuildConfigurationImage(Inputs(true)).image;
    EXPECT_EQ(WriteAt(image, 0x8200).data, (std::vector<std::uint8_t>{25, 6, 0, 1, 10, 0, 1, 11, 0, 1, 13, 0, 1, 12,
                                                                      0, 1, 14, 0, 1, 15, 0, 2, 16, 0, 4}));
    const auto& header = WriteAt(image, 0x8000).data;
    const int a0 = 0x8A80 + 16 * 12;
    const int a1 = a0 + 6, a2 = a1 + 20, a3 = a2 + 140;
    EXPECT_EQ(header, (std::vector<std::uint8_t>{0xAA, 0xAA, 7, 25, 10, 2, 0x10, 0, 1, 4,
                                                 std::uint8_t(a1), std::uint8_t(a1 >> 8), std::uint8_t(a2),
                                                 std::uint8_t(a2 >> 8), std::uint8_t(a3), std::uint8_t(a3 >> 8),
                                                 3, 0, 20, 0,
                                                 6, 7, 1, 0,            // ring totals, resets
                                                 45, 30, 5, 10, 12, 0xEA, 0x07, 4}));  // Thursday
    const auto& folders = WriteAt(image, 0x8100).data;
    EXPECT_EQ(std::vector<std::uint8_t>(folders.begin(), folders.begin() + 32),
              (std::vector<std::uint8_t>{1, 0x80, 0, 2, 0x80, 0, 1, 0x80, 0, 0, 0, 0, 0, 0, 0, 0,
                                         2, 0x80, 0, 4, 0x80, 0, 2, 0x80, 0, 0, 0, 0, 0, 0, 0, 0}));
    // Folder 7 starts at 1 + 1 + ... + 7 = 29 and is cut after 10 bytes.
    EXPECT_EQ(std::vector<std::uint8_t>(folders.begin() + 112, folders.end()),
              (std::vector<std::uint8_t>{29, 0x80, 0, 37, 0x80, 0, 29, 0x80, 0, 0}));
    const auto& later = WriteAt(image, 0x8180).data;
    EXPECT_EQ(later[0], 37);                                    // folder 8
    EXPECT_EQ(std::vector<std::uint8_t>(later.begin() + 96, later.end()), std::vector<std::uint8_t>(26, 0));
    EXPECT_EQ(WriteAt(image, std::uint16_t(a0)).data, (std::vector<std::uint8_t>{0, 1, 0, 2, 1, 2}));
    // The second group's members follow the first one's.
    const auto& groupRecords = WriteAt(image, 0x8AE0).data;
    EXPECT_EQ(groupRecords[1] << 8 | groupRecords[2], a0);
    EXPECT_EQ(groupRecords[16 + 1] << 8 | groupRecords[16 + 2], a0 + 4);
    EXPECT_EQ(groupRecords[16 + 3] << 8 | groupRecords[16 + 4], a0 + 4);
}

TEST_F(ImageFixture, WithoutProgramLinesNoProgramRecordsAndNoDirectoryEntry) {
    programs = {};
    const ConfigurationImage image = BuildConfigurationImage(Inputs()).image;
    const auto& directory = WriteAt(image, 0x8200).data;
    EXPECT_EQ(directory[0], 22);
    EXPECT_EQ(directory.size(), 22u);
    // The member lists follow the group records directly.
    EXPECT_EQ(WriteAt(image, 0x8B00).data, (std::vector<std::uint8_t>{0, 1, 0, 2, 1, 2}));
}

TEST_F(ImageFixture, RecordsGoFivePerTelegramAndLedDataInEightyByteParts) {
    io.clear();
    for (int i = 0; i < 11; ++i) io.push_back(test::IoRow("E" + std::to_string(i), 1));
    led[0].LetzteSpalte = 200;
    programs = {};
    const ConfigurationImage image = BuildConfigurationImage(Inputs()).image;
    std::vector<std::pair<int, std::size_t>> records;
    for (std::size_t i = 4; i < 7; ++i) records.emplace_back(image.configuration[i].address, image.configuration[i].data.size());
    EXPECT_EQ(records, (std::vector<std::pair<int, std::size_t>>{{0x8A80, 80}, {0x8AD0, 80}, {0x8B20, 16}}));
    std::vector<std::size_t> tail;
    for (std::size_t i = image.configuration.size() - 3; i < image.configuration.size(); ++i)
        tail.push_back(image.configuration[i].data.size());
    EXPECT_EQ(tail, (std::vector<std::size_t>{80, 80, 200 + 2 + 2 + 1 - 160}));
    EXPECT_EQ(image.configuration.back().address, image.configuration[image.configuration.size() - 3].address + 160);
}

TEST_F(ImageFixture, OutputDataEvents) {
    const ConfigurationImage image = BuildConfigurationImage(Inputs()).image;
    ASSERT_EQ(image.outputData.size(), 1u);
    ASSERT_EQ(image.outputData[0].size(), 1u);
    const MemoryWrite& write = image.outputData[0][0];
    EXPECT_EQ(write.area, MemoryArea::Output);
    EXPECT_EQ(write.bank, 3);
    EXPECT_EQ(write.address, 0x8000);
    // 0.05 s to the next event: class 0x10, value 50; the last event class 0.
    EXPECT_EQ(write.data, (std::vector<std::uint8_t>{0x14, 0x01, 0, 50, 0x00, 0x01, 0, 0}));
}

TEST(OutputDataWrites, TwentyNineEventsPerTelegramAndThirtyForTheLastOne) {
    const OutputFile file{"A", 63, 0x9000, 0, 0, {}};
    for (auto [events, sizes] : std::vector<std::pair<std::size_t, std::vector<std::size_t>>>{
             {29, {29}}, {30, {30}}, {31, {29, 2}}, {59, {29, 30}}, {60, {29, 29, 2}}, {0, {}}}) {
        SCOPED_TRACE(events);
        const auto writes = OutputDataWrites(file, std::vector<OutputEvent>(events));
        std::vector<std::size_t> got;
        std::size_t sent = 0;
        for (const auto& write : writes) {
            EXPECT_EQ(write.address, 0x9000 + 4 * sent);
            got.push_back(write.data.size() / 4);
            sent += write.data.size() / 4;
        }
        EXPECT_EQ(got, sizes);
    }
}

struct CheckCase {
    const char* what;
    ProgramSource main;
    std::vector<ProgramSource> further;
    std::string message;
};

TEST(ProgramChecks, ExactMessagesOfTheFirstFailure) {
    const std::vector<CheckCase> cases = {
        {"operand missing", {"Main.pgm", {Line("P1", "E1"), Line("P2", "E1", "AND", "Fehlt")}}, {},
         "Die Meldung  \"Fehlt\"  aus der Programmzeile 2 existiert nicht im Programm  \"Main.pgm\"  !!!"},
        {"order target missing in a sub-program", {"Main.pgm", {Line("P1", "E1")}},
         {{"Teil.pgm", {Line("T1", "E1", "TRUE", "", "SET", "Nirgends")}}},
         "Die Meldung  \"Nirgends\"  aus der Programmzeile 1 existiert nicht im Programm  \"Teil.pgm\"  !!!"},
        {"names alike in Main and a sub-program",
         {"Main.pgm", {Line("P1", "E1"), Line("Doppelt", "E1")}},
         {{"Teil.pgm", {Line("T1", "E1"), Line("Doppelt", "E1")}}},
         "Die Meldung  \"Doppelt\"  (Zeile 2)  im Programm  \"Main.pgm\"  existiert bereits\rin der Programmzeile 2 im "
         "Programm  \"Teil.pgm\"  !!!"},
        {"a sub-program named like a line", {"Main.pgm", {Line("Teil", "E1")}}, {{"Teil.pgm", {}}},
         "Die Meldung  \"Teil\"  (Zeile 1)  im Programm  \"Main.pgm\"  existiert bereits\rin der Programmzeile 0 im "
         "Programm  \"Teil.pgm\"  !!!"},
        {"GOTO to a message that is no program line",
         {"Main.pgm", {Line("P1", "E1"), Line("P2", "E1", "TRUE", "", "GOTO", "E1")}}, {},
         "Die Meldung  \"E1\"  (Zeile 2)  im Programm  \"Main.pgm\"  darf nicht \rin Verbindung mit dem Order-Befehl "
         "\"GOTO\" verwendet werden !!!"},
        {"GOTO to a header line passes", {"Main.pgm", {Line("P1", "E1", "TRUE", "", "GOTO", "Teil")}},
         {{"Teil.pgm", {Line("T1", "E1")}}}, ""},
        {"empty Main: the first header copies no operand", {"Main.pgm", {}}, {{"Teil.pgm", {Line("T1", "E1")}}},
         ""},
    };
    std::vector<TIoRecord> io(1);
    io[0].Bezeichnung = "E1";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ProgramSet set = JoinPrograms(c.main, c.further);
        const MessageNumbering numbering({io, {}, {}, {}, {}, {}, set.lines});
        EXPECT_EQ(CheckProgramSet(set, numbering).value_or(""), c.message);
    }
}

TEST_F(ImageFixture, AConfigurationBeyondTheMemoryIsRefusedWithNothingToSend) {
    // Fits with 1275 columns of LED data; a few more rows push the addresses past the memory.
    led.resize(1, led[0]);
    led[0].LetzteSpalte = 1275;
    ASSERT_FALSE(BuildConfigurationImage(Inputs()).checkFailure);
    led.resize(60, led[0]);
    const ConfigurationBuild build = BuildConfigurationImage(Inputs());
    ASSERT_TRUE(build.checkFailure);
    EXPECT_NE(build.checkFailure->find("Bytes zu groß für den Speicher des Interfaces"), std::string::npos);
    EXPECT_TRUE(build.image.configuration.empty());
    EXPECT_TRUE(build.image.outputData.empty());
}

// The LED index from 0x8800 has room for 160 entries below the message records at 0x8A80.
TEST_F(ImageFixture, MoreLedMessagesThanTheLedIndexHoldsAreRefused) {
    programs = {};
    led.resize(160, led[0]);
    ASSERT_FALSE(BuildConfigurationImage(Inputs()).checkFailure);
    led.resize(161, led[0]);
    const ConfigurationBuild build = BuildConfigurationImage(Inputs());
    ASSERT_TRUE(build.checkFailure);
    EXPECT_EQ(*build.checkFailure,
              "Die LED-Tabelle enthält 161 Meldungen; das Interface fasst höchstens 160 LED-Meldungen.\r\r"
              "Verkleinern Sie bitte die LED-Tabelle.");
    EXPECT_TRUE(build.image.configuration.empty());
}

TEST(ProgramChecks, AFailedCheckBuildsNothing) {
    TParameterRecord params{};
    const ProgramSet set = JoinPrograms({"Main.pgm", {Line("P1", "Fehlt")}}, {});
    ConfigurationInputs inputs;
    inputs.parameters = &params;
    inputs.programs = &set;
    const ConfigurationBuild build = BuildConfigurationImage(inputs);
    ASSERT_TRUE(build.checkFailure);
    EXPECT_TRUE(build.image.configuration.empty());
}

TEST(DayOfWeek, SundayIsZero) {
    EXPECT_EQ(DayOfWeek(2026, 12, 13), 0);
    EXPECT_EQ(DayOfWeek(2026, 12, 10), 4);
    EXPECT_EQ(DayOfWeek(2000, 2, 29), 2);
    EXPECT_EQ(DayOfWeek(2024, 1, 1), 1);
}

}  // namespace
}  // namespace ovis
