// "Grafik.ofd": defaults, byte-for-byte round trip, damaged files and the code page 437 letters.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "project/grafik_file.h"
#include "records/codepage.h"
#include "records/io_error.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

TEST(GrafikFile, DefaultsAreBlankTextsAndAbsentLifts) {
    const TGrafikRecord r = DefaultGrafikRecord();
    EXPECT_EQ(r.Objektbezeichnung.view(), std::string(80, ' '));
    EXPECT_EQ(r.Gruppeneinteilung.view(), std::string(80, ' '));
    EXPECT_EQ(r.HaltBezeichnung[49].view(), "  ");
    EXPECT_EQ(r.Statusmeldung[0].view(), std::string(16, ' '));
    EXPECT_EQ(r.Stoermeldung[24].view(), std::string(16, ' '));
    for (const auto& lift : r.Aufzug) {
        EXPECT_EQ(lift[kHalte], 0);
        EXPECT_EQ(lift[kErsterHalt], 1);
        EXPECT_EQ(lift[kGruppe], 1);
        EXPECT_EQ(lift[kSeiten], 1);
        EXPECT_EQ(lift[kStatusmel], 0);
        EXPECT_EQ(lift[kStoermel], 0);
    }
}

TEST(GrafikFile, LivesInTheBaseDirectoryOfTheProject) {
    EXPECT_EQ(GrafikPathOfProject("/b/Projekte/Anlage"), std::filesystem::path("/b/Grafik.ofd"));
    EXPECT_EQ(GrafikPathOfProject("/b/Projekte/Anlage/"), std::filesystem::path("/b/Grafik.ofd"));
}

TEST(GrafikFile, ARecordOfEveryByteValueComesBackByteForByte) {
    test::TempDir dir;
    const auto bytes = test::PatternBytes(sizeof(TGrafikRecord));
    test::WriteBytes(dir / "Grafik.ofd", bytes);
    const GrafikLoad load = LoadGrafik(dir / "Grafik.ofd");
    EXPECT_TRUE(load.fromFile);
    SaveGrafik(dir / "Kopie.ofd", load.record);
    EXPECT_EQ(test::ReadBytes(dir / "Kopie.ofd"), bytes);
}

TEST(GrafikFile, AMissingFileGivesTheDefaults) {
    test::TempDir dir;
    const GrafikLoad load = LoadGrafik(dir / "Grafik.ofd");
    EXPECT_FALSE(load.fromFile);
    const TGrafikRecord defaults = DefaultGrafikRecord();
    EXPECT_EQ(std::memcmp(&load.record, &defaults, sizeof defaults), 0);
}

TEST(GrafikFile, AFileOfAnyOtherLengthIsDamaged) {
    test::TempDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{100}, sizeof(TGrafikRecord) - 1, sizeof(TGrafikRecord) + 1}) {
        test::WriteBytes(dir / "Grafik.ofd", std::vector<std::uint8_t>(size, 7));
        try {
            LoadGrafik(dir / "Grafik.ofd");
            ADD_FAILURE() << size;
        } catch (const IoError& e) {
            EXPECT_THAT(e.what(), testing::HasSubstr("beschädigt")) << size;
        }
    }
}

TEST(GrafikFile, TheSevenLettersOfCodePage437) {
    struct Case {
        unsigned char dos;
        const char* shown;
    } const cases[] = {{129, "ü"}, {132, "ä"}, {142, "Ä"}, {148, "ö"}, {153, "Ö"}, {154, "Ü"}, {225, "ß"}};
    for (const auto& c : cases) {
        const std::string dos(1, char(c.dos));
        const std::string windows = GrafikTextToWindows(dos);
        EXPECT_EQ(ToUtf8(windows), c.shown) << int(c.dos);
        EXPECT_EQ(WindowsTextToGrafik(windows), dos) << int(c.dos);
    }
    EXPECT_EQ(GrafikTextToWindows("T\x81r 3"), "T\xFCr 3");
    EXPECT_EQ(GrafikTextToWindows("\x80\xE9"), "\x80\xE9");  // the other bytes stay
}

}  // namespace
}  // namespace ovis
