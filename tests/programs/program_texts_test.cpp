// Program line texts, defaults and delay limits.
#include <gtest/gtest.h>

#include "programs/program_columns.h"
#include "programs/program_texts.h"

namespace ovis {
namespace {

namespace col = program_column;

TEST(ProgramTexts, LogicAndOrderCellsAreRightAlignedAndKeepWhatTheEditorDoesNotOffer) {
    struct Case {
        const char* stored;
        const char* logicCell;
        const char* orderCell;
    };
    const Case cases[] = {
        {"TRUE", "   TRUE", "   TRUE"}, {"AND NOT", "AND NOT", "AND NOT"}, {">", "      >", "      >"},
        {">=", "     >=", "     >="},   {"ADD", "    ADD", "    ADD"},         {"DISABLE", "DISABLE", "DISABLE"},
        {"NONE", "   NONE", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(LogicCellText(c.stored), c.logicCell);
        EXPECT_EQ(OrderCellText(c.stored), c.orderCell);
    }
}

TEST(ProgramTexts, NewLineHasTheDefaultsAndShowsNoUnit) {
    const TProgrammLine line = NewProgramLine(4);
    EXPECT_EQ(line.Nr, 5);
    EXPECT_EQ(line.Bezeichnung.view(), "Programm - Meldung");
    EXPECT_EQ(line.Logik.view(), "TRUE");
    EXPECT_EQ(line.Einheit.view(), "Milli");
    EXPECT_EQ(line.Order.view(), "NONE");
    EXPECT_EQ(line.Wert, 0);
    EXPECT_TRUE(line.MeldungA.empty() && line.MeldungB.empty() && line.MeldungC.empty() && line.Reserve2.empty());
    EXPECT_EQ(ProgramCellText(line, col::kDelay), "0");
    EXPECT_EQ(ProgramCellText(line, col::kUnit), "");
    EXPECT_EQ(ProgramCellText(line, col::kOrder), "");
    EXPECT_EQ(ProgramCellText(line, col::kLogic), "   TRUE");
}

TEST(ProgramTexts, DelayAndUnitKeepTheirLimits) {
    struct Case {
        const char* what;
        std::int32_t wert;
        const char* unit;
        std::int32_t newWert;  // -1: choose `newUnit` instead
        const char* newUnit;
        std::int32_t expectedWert;
        const char* expectedUnit;
    };
    const Case cases[] = {
        {"hours lower the value to 1000", 5000, "Sek", -1, "Std", 1000, "Std"},
        {"hours keep a smaller value", 999, "Sek", -1, "Std", 999, "Std"},
        {"a unit without delay stays Milli", 0, "Milli", -1, "Min", 0, "Milli"},
        {"value 0 sets Milli", 20, "Min", 0, nullptr, 0, "Milli"},
        {"value clipped to 60000", 1, "Sek", 70000, nullptr, 60000, "Sek"},
        {"value clipped to 1000 in hours", 1, "Std", 5000, nullptr, 1000, "Std"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TProgrammLine line = NewProgramLine(0);
        line.Wert = c.wert;
        line.Einheit = c.unit;
        if (c.newWert < 0)
            SetDelayUnit(line, c.newUnit);
        else
            SetDelay(line, c.newWert);
        EXPECT_EQ(line.Wert, c.expectedWert);
        EXPECT_EQ(line.Einheit.view(), c.expectedUnit);
        EXPECT_EQ(ProgramCellText(line, col::kUnit), c.expectedWert == 0 ? "" : c.expectedUnit);
    }
}

TEST(ProgramTexts, TypedDelayTakesFiveDigitsWithinTheUnitsLimit) {
    EXPECT_EQ(TypedDelay("", "Sek"), 0);
    EXPECT_EQ(TypedDelay("007", "Sek"), 7);
    EXPECT_EQ(TypedDelay("99999", "Sek"), 60000);
    EXPECT_EQ(TypedDelay("1234567", "Sek"), 12345);
    EXPECT_EQ(TypedDelay("1500", "Std"), 1000);
    EXPECT_EQ(TypedDelay("1a2", "Milli"), 12);
}

}  // namespace
}  // namespace ovis
