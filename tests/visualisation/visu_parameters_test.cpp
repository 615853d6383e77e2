// The parameter dialog's cell checks and "Ansicht".
#include <gtest/gtest.h>

#include "project/grafik_file.h"
#include "visualisation/visu_parameters.h"

namespace ovis {
namespace {

TEST(VisuParameters, LiftCellChecks) {
    struct Case {
        int column;
        const char* text;
        int value;
        const char* message;  // nullptr: taken
    } const cases[] = {
        {0, "0", 0, nullptr},
        {0, " 30 ", 30, nullptr},
        {0, "31", 0, "Erlaubte Werte : 0..30 !"},
        {0, "-1", 0, "Erlaubte Werte : 0..30 !"},
        {1, "0", 1, "Erlaubte Werte : 1..29 !"},
        {1, "29", 29, nullptr},
        {2, "9", 1, "Erlaubte Werte : 1..8 !"},
        {3, "3", 1, "Erlaubte Werte : 1..2 !"},
        {4, "26", 0, "Erlaubte Werte : 0..25 !"},
        {5, "25", 25, nullptr},
        {5, "99999999999999999999", 0, "Erlaubte Werte : 0..25 !"},
        {0, "", 0, "Nur Zahlenwerte eingeben !"},
        {0, "1a", 0, "Nur Zahlenwerte eingeben !"},
        {1, "x", 1, "Nur Zahlenwerte eingeben !"},
    };
    for (const auto& c : cases) {
        const LiftCellCheck check = CheckLiftCell(c.column, c.text);
        EXPECT_EQ(check.value, c.value) << c.column << " '" << c.text << "'";
        if (c.message) {
            EXPECT_EQ(check.message, std::optional<std::string>(c.message)) << c.text;
        } else {
            EXPECT_FALSE(check.message) << c.text;
        }
    }
}

TEST(VisuParameters, ViewTakesTheValuesCutToTheirFields) {
    TGrafikRecord r = DefaultGrafikRecord();
    VisInitValues v = VisInitValuesOf(r);
    v.objektbezeichnung = std::string(90, 'x');
    v.gruppeneinteilung = "Gruppe A";
    v.status[0] = "T\xFCr offen und noch mehr";  // "Tür" in code page 1252
    v.faults[24] = "St\xF6rung";
    v.stops[0] = "EG1";
    v.lifts[0] = {5, 1, 2, 2, 3, 4};
    ApplyVisInitValues(r, v);
    EXPECT_EQ(r.Objektbezeichnung.view(), std::string(80, 'x'));
    EXPECT_EQ(r.Gruppeneinteilung.view(), "Gruppe A");
    EXPECT_EQ(r.Statusmeldung[0].view(), "T\x81r offen und no");
    EXPECT_EQ(r.Stoermeldung[24].view(), "St\x94rung");
    EXPECT_EQ(r.HaltBezeichnung[0].view(), "EG");
    EXPECT_EQ(r.Aufzug[0][kHalte], 5);
    EXPECT_EQ(r.Aufzug[0][kStoermel], 4);
    const VisInitValues back = VisInitValuesOf(r);
    EXPECT_EQ(back.status[0], "T\xFCr offen und no");
}

}  // namespace
}  // namespace ovis
