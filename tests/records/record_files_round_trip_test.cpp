// Every file of a project, filled with non-zero bytes everywhere (reserved and padding bytes
// included), is loaded and saved back unchanged.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "project/project_tables.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::PatternBytes;
using test::ReadBytes;
using test::WriteBytes;

struct RoundTripCase {
    std::string file;
    std::size_t size;
    std::function<void(ProjectTables&, const std::filesystem::path&)> load;
    std::function<void(ProjectTables&, const std::filesystem::path&)> save;
};

std::vector<RoundTripCase> Cases() {
    using std::filesystem::path;
    return {
        {"Parameter.ofp", 17592, [](ProjectTables& t, const path& d) { t.parameters.Load(d); },
         [](ProjectTables& t, const path& d) { t.parameters.Save(d); }},
        {"LEDParameter.ofp", 1628, [](ProjectTables& t, const path& d) { t.ledParameters.Load(d); },
         [](ProjectTables& t, const path& d) { t.ledParameters.Save(d); }},
        {"IO.ofd", 344 * 7, [](ProjectTables& t, const path& d) { LoadIoTable(t.io, d); },
         [](ProjectTables& t, const path& d) { SaveIoTable(t.io, d); }},
        {"IOSignale.ofd", 4864 * 20, [](ProjectTables& t, const path& d) { t.signalNames.Load(d); },
         [](ProjectTables& t, const path& d) { t.signalNames.Save(d); }},
        {"Gruppen.ofd", 1752 * 3, [](ProjectTables& t, const path& d) { t.groups.Load(d / "Gruppen.ofd"); },
         [](ProjectTables& t, const path& d) { t.groups.Save(d / "Gruppen.ofd"); }},
        {"Counter.ofd", 1556 * 4, [](ProjectTables& t, const path& d) { t.counters.Load(d / "Counter.ofd"); },
         [](ProjectTables& t, const path& d) { t.counters.Save(d / "Counter.ofd"); }},
        {"Timer.ofd", 1796 * 2, [](ProjectTables& t, const path& d) { t.timers.Load(d / "Timer.ofd"); },
         [](ProjectTables& t, const path& d) { t.timers.Save(d / "Timer.ofd"); }},
        {"Led.ofd", 2912 * 5, [](ProjectTables& t, const path& d) { t.led.Load(d / "Led.ofd"); },
         [](ProjectTables& t, const path& d) { t.led.Save(d / "Led.ofd"); }},
        {"Programme/Main.pgm", 2060 * 6, [](ProjectTables& t, const path& d) { t.program.Load(d, "Main"); },
         [](ProjectTables& t, const path& d) { t.program.Save(d); }},
        {"Auswahl.ofp", 1000 * 15, [](ProjectTables& t, const path& d) { t.selection.Load(d); },
         [](ProjectTables& t, const path& d) { t.selection.Save(d); }},
    };
}

TEST(RecordFiles, EveryFileRoundTripsByteForByte) {
    unsigned seed = 1;
    for (const auto& c : Cases()) {
        SCOPED_TRACE(c.file);
        test::TempDir dir;
        std::filesystem::create_directories(dir.path() / "Programme");
        auto original = PatternBytes(c.size, seed++);
        WriteBytes(dir / c.file, original);
        auto tables = std::make_unique<ProjectTables>();
        c.load(*tables, dir.path());
        std::filesystem::remove(dir / c.file);
        c.save(*tables, dir.path());
        EXPECT_EQ(ReadBytes(dir / c.file), original);
    }
}

TEST(RecordFiles, SavingLeavesNoTemporaryFileBehind) {
    test::TempDir dir;
    auto tables = std::make_unique<ProjectTables>();
    tables->parameters.Save(dir.path());
    SaveIoTable(tables->io, dir.path());
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
    }
    EXPECT_EQ(entries, 2u);
}

}  // namespace
}  // namespace ovis
