// The analyser's export file: the format follows the chosen filter, a bare name gets its extension.
#include <gtest/gtest.h>

#include "evaluation/analyser_menu.h"
#include "evaluation/export_target.h"

namespace ovis {
namespace {

TEST(ExportTarget, FormatFromTheFilterAndExtensionForABareName) {
    struct Case {
        const char* chosen;
        int filter;
        const char* file;
        ExportFormat format;
    } const cases[] = {
        {"/tmp/Tag", 0, "/tmp/Tag.vcd", ExportFormat::Vcd},
        {"/tmp/Tag", 1, "/tmp/Tag.csv", ExportFormat::Csv},
        {"/tmp/Tag.vcd", 0, "/tmp/Tag.vcd", ExportFormat::Vcd},
        {"/tmp/Tag.txt", 1, "/tmp/Tag.txt", ExportFormat::Csv},
        {"/tmp/Tag.csv", -1, "/tmp/Tag.csv", ExportFormat::Csv},
        {"/tmp/Tag.dump", -1, "/tmp/Tag.dump", ExportFormat::Vcd},
        {"/tmp/Tür 1", 1, "/tmp/Tür 1.csv", ExportFormat::Csv},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        const ExportTarget target = ExportTargetFor(c.chosen, c.filter);
        EXPECT_EQ(target.file, c.file);
        EXPECT_EQ(target.format, c.format);
    }
}

TEST(ExportTarget, ExportierenNeedsAShownRow) {
    EXPECT_FALSE(FileModeMenu(true, 0, 2, false).exportieren);
    EXPECT_TRUE(FileModeMenu(false, 1, 2, false).exportieren);
    EXPECT_TRUE(FileModeMenu(true, 3, 9, true).exportieren);
}

}  // namespace
}  // namespace ovis
