// Change detection of the LED display: what counts as a change and what does not.
#include <gtest/gtest.h>

#include <functional>

#include "led/led_changes.h"
#include "led/led_rows.h"

namespace ovis {
namespace {

TEST(LedChanges, RowFields) {
    struct Case {
        const char* what;
        std::function<void(TLedRecord&)> change;
        bool differs;
    };
    const Case cases[] = {
        {"name", [](TLedRecord& r) { r.Bezeichnung = "Andere"; }, true},
        {"text", [](TLedRecord& r) { r.Text = "X"; }, true},
        {"a picture column at the end", [](TLedRecord& r) { r.Spalten[1274] = 1; }, true},
        {"module list entry 100", [](TLedRecord& r) { r.ModulListe[99] = 0; }, true},
        {"module list entry 101", [](TLedRecord& r) { r.ModulListe[100] = 0; }, false},
        {"colour part 31", [](TLedRecord& r) { r.Farbe[30] = 6; }, true},
        {"brightness part 15", [](TLedRecord& r) { r.Helligkeit[14] = 3; }, true},
        {"font size", [](TLedRecord& r) { r.Schriftgroesse = 3; }, true},
        {"status", [](TLedRecord& r) { r.Status = false; }, true},
        {"bytes after a name's length", [](TLedRecord& r) { r.Bezeichnung.raw[200] = 'x'; }, false},
        {"reserve", [](TLedRecord& r) { r.Reserve2 = "x"; }, false},
        {"padding", [](TLedRecord& r) { r.padding2042[0] = 7; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TLedRecord before = NewLedRow(nullptr);
        TLedRecord after = before;
        c.change(after);
        EXPECT_EQ(LedRowsDiffer(after, before), c.differs);
    }
}

TEST(LedChanges, ParameterFieldsAndRowCount) {
    LedTable table;
    LedParameters parameters;
    EXPECT_FALSE(LedDisplayChanged(table, parameters));
    table.Append(NewLedRow(nullptr));
    EXPECT_TRUE(LedDisplayChanged(table, parameters));
    table.TakeSavedImage();
    EXPECT_FALSE(LedDisplayChanged(table, parameters));

    parameters.Record().Position[1].X = 99;  // module 2 is not in use
    EXPECT_FALSE(LedDisplayChanged(table, parameters));
    parameters.Record().AnzahlModule = 2;
    EXPECT_TRUE(LedDisplayChanged(table, parameters));
    TLedParameterRecord live = parameters.SavedImage();
    live.ModulHelligkeit[99] = 6;
    EXPECT_TRUE(LedParametersDiffer(live, parameters.SavedImage()));
    live = parameters.SavedImage();
    live.RasterY = 50;
    EXPECT_TRUE(LedParametersDiffer(live, parameters.SavedImage()));
}

}  // namespace
}  // namespace ovis
