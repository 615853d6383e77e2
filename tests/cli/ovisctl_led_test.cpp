// ovisctl led-text, check DIR led and the LED section of params, run as a separate process.
#include <gtest/gtest.h>

#include <string>

#include "led/led_rows.h"
#include "records/typed_file.h"
#include "support/project_fixture.h"
#include "support/run_program.h"

namespace {

using ovis::test::Ovisctl;
using ovis::test::Output;

std::string Quote(const std::filesystem::path& p) { return ovis::test::ShellQuoted(p); }

// The number of "XX" bytes in a printed line ("XX XX ... XX\n").
std::size_t ByteCount(const std::string& line) { return line.size() / 3; }

TEST(OvisctlLed, LedTextPrintsTheColumnBytes) {
    struct Case {
        std::string args;
        std::string output;
    };
    const Case cases[] = {
        {"HALLO", "7F 08 08 08 7F 3F 48 48 48 3F 7F 01 01 01 00 7F 01 01 01 00 3E 41 41 41 3E\n"},
        {"HALLO --hspacing 1", "7F 08 08 08 7F 00 3F 48 48 48 3F 00 7F 01 01 01 00 7F 01 01 01 00 3E 41 41 41 3E\n"},
        {"'! !' --hspacing 2", "7D 00 00 00 00 00 00 00 00 00 7D\n"},
        {"'' ", "\n"},
        {"'   '", "\n"},
        {"'ÄB' --wrap 1 --vspacing 1", "5F 24 24 24 5F 3F 24 24 24 1B 40 40 40 40\n"},
        {"'1' --wrap 3", "10 21 7F 01\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        auto run = Ovisctl("led-text " + c.args, Output::StdoutOnly);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, c.output);
    }
    EXPECT_EQ(ByteCount(Ovisctl("led-text HALLO", Output::StdoutOnly).output), 25u);
}

TEST(OvisctlLed, LedTextRefusesWhatItCannotShow) {
    struct Case {
        std::string args;
        std::string message;
    };
    const Case cases[] = {
        {"'Grüße ☺'", "Der Text enthält ein Zeichen, das die Codepage 1252 nicht darstellen kann."},
        {"HALLO --hspacing 5", "--hspacing erwartet eine Zahl von 0 bis 4"},
        {"HALLO --vspacing x --wrap 2", "--vspacing erwartet eine Zahl von 0 bis 4"},
        {"HALLO --size 5", "--size und --style gelten nur mit --font"},
        {"HALLO --font 'DejaVu Sans' --hspacing 1", "--font schließt --hspacing, --vspacing und --wrap aus"},
        {"HALLO --font 'DejaVu Sans' --style q", "--style erwartet die Buchstaben b, i, u und s"},
        {"", "TEXT fehlt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        auto run = Ovisctl("led-text " + c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
}

#ifdef OVISCTL_DESKTOP_FONTS
TEST(OvisctlLed, LedTextWithADesktopFont) {
    auto plain = Ovisctl("led-text HALLO --font 'DejaVu Sans' --size 7", Output::StdoutOnly);
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_GT(ByteCount(plain.output), 10u) << plain.output;
    auto bold = Ovisctl("led-text HALLO --font 'DejaVu Sans' --size 7 --style b", Output::StdoutOnly);
    ASSERT_EQ(bold.exitCode, 0);
    EXPECT_NE(bold.output, plain.output);
    auto missing = Ovisctl("led-text HALLO --font 'Keine Solche Schrift'");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.output.find("Die Schriftart \"Keine Solche Schrift\" ist nicht installiert."), std::string::npos);
}
#endif

TEST(OvisctlLed, CheckLedTable) {
    ovis::test::ProjectFixture f;
    f.CreateProject("P");
    const auto dir = f.ProjectDir("P");
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::pair<int, int>>> rows;
        std::string output;
        int exitCode;
    };
    const Case cases[] = {
        {"empty table", {}, "ok\n", 0},
        {"good rows", {{"Anzeige 1", {1, 5}}, {"Anzeige 2", {7, 7}}}, "ok\n", 0},
        {"x1 below x0",
         {{"Anzeige 1", {1, 5}}, {"Anzeige 2", {12, 3}}},
         "Der Wert von x0 in Zeile Nr. 2 muß kleiner sein als der von x1!\n\n          Geben Sie bitte einen "
         "entsprechenden Wert an.\ncursor 2 2\n",
         1},
        {"duplicate name",
         {{"Text", {1, 5}}, {"TEXT", {1, 5}}},
         "Die Meldung \"TEXT\" in Zeile Nr. 2 existiert bereits!\n\nGeben Sie bitte eine andere Bezeichnung für diese "
         "Meldung an.\ncursor 2 1\n",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<ovis::TLedRecord> rows;
        for (const auto& [name, window] : c.rows) {
            ovis::TLedRecord row = ovis::NewLedRow(nullptr);
            row.Bezeichnung = name;
            row.X0 = window.first;
            row.X1 = window.second;
            rows.push_back(row);
        }
        ovis::WriteRecords(dir / "Led.ofd", rows.data(), rows.size());
        auto run = Ovisctl("check " + Quote(dir) + " led", Output::StdoutOnly);
        EXPECT_EQ(run.output, c.output);
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

TEST(OvisctlLed, ParamsShowsTheLedParameters) {
    ovis::test::ProjectFixture f;
    f.CreateProject("P");
    const auto dir = f.ProjectDir("P");
    ovis::TLedParameterRecord led = f.tables->ledParameters.Record();
    led.AnzahlModule = 2;
    led.Position[1].X = 60;
    led.Position[1].Y = 5;
    led.ModuleFarbe[1] = 3;
    led.ModulHelligkeit[1] = 4;
    led.RasterX = 10;
    ovis::WriteRecords(dir / "LEDParameter.ofp", &led, 1);
    auto run = Ovisctl("params " + Quote(dir), Output::StdoutOnly);
    EXPECT_EQ(run.exitCode, 0);
    for (const char* line : {"\nAnzahlModule = 2\n", "\nRasterX = 10\n", "\nPosition[2] = 60 5\n",
                             "\nModuleFarbe[1] = 1 (Rot)\n", "\nModuleFarbe[2] = 3 (Grün)\n", "\nModulHelligkeit[2] = 4\n"})
        EXPECT_NE(run.output.find(line), std::string::npos) << line << run.output;
    EXPECT_EQ(run.output.find("Position[3]"), std::string::npos);
    EXPECT_EQ(run.output.find("Nummer = "), 0u) << "the system parameters come first";
}

}  // namespace
