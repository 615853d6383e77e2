// The directory and read-out conversations against the simulator's memory card.
#include "link/unit_readout.h"

#include <gtest/gtest.h>

#include "link/interface_commands.h"
#include "link/link_fakes.h"
#include "project/system_parameters.h"
#include "records/typed_file.h"
#include "sim/memory_card.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

using test::LinkRig;
using test::SimulatorLine;

std::vector<sim::CardEvent> DayEvents(int days, int perDay) {
    std::vector<sim::CardEvent> events;
    for (int day = 1; day <= days; ++day)
        for (int i = 0; i < perDay; ++i) {
            const int ms = i * 250;  // 250 ms apart: one event item each
            events.push_back({0, {2009, 1, day, 6, ms / 60000, ms / 1000 % 60, ms % 1000 * 100}, 1 + i % 5, i % 2 == 0});
        }
    return events;
}

struct ReadoutRig {
    test::TempDir dir;
    LinkRig<SimulatorLine> rig;
    test::RecordingTimer timer;
    test::RecordingProgress progress;
    NoOpenEditors editors;
    SystemParameters parameters;
    InterfaceActions actions;
    UnitReadout readout;

    explicit ReadoutRig(std::shared_ptr<const sim::MemoryCard> card)
        : actions(rig.link, rig.dialogs, timer, progress, editors, parameters, [this] { return dir.path(); }),
          readout(rig.link, rig.dialogs, progress, actions) {
        parameters.Record().Nummer = 1;
        if (card)
            sim::InstallMemoryCard(rig.line.simulator, card);
        else
            sim::InstallNoCard(rig.line.simulator);
    }
    std::vector<sim::ReceivedTelegram> Commands(std::uint8_t command) const {
        std::vector<sim::ReceivedTelegram> found;
        for (const auto& t : rig.line.simulator.Received())
            if (t.telegram.command == command) found.push_back(t);
        return found;
    }
};

TEST(UnitReadout, ListsTheUnitsNewestFirst) {
    ReadoutRig r(std::make_shared<sim::MemoryCard>(DayEvents(3, 4)));
    const DirectoryRead read = r.readout.ListUnits(1, 0, 15);
    ASSERT_EQ(read.outcome, DirectoryOutcome::Listed);
    ASSERT_EQ(read.units.size(), 3u);
    EXPECT_EQ(UnitBeginCell(read.units[0]), " 03.01.2009   06:00");
    EXPECT_EQ(UnitBeginCell(read.units[2]), " 01.01.2009   06:00");
    EXPECT_EQ(r.progress.Texts(), (std::vector<std::string>{"Verbindungsaufbau zum Interface"}));
    EXPECT_TRUE(r.progress.AllClosed());
    EXPECT_TRUE(r.actions.LinkIdle());
    ASSERT_EQ(r.Commands(command::kUnitDirectory).size(), 1u);
    EXPECT_EQ(r.Commands(command::kUnitDirectory)[0].telegram.payload, (std::vector<std::uint8_t>{0}));
}

TEST(UnitReadout, NoCard) {
    ReadoutRig r(nullptr);
    EXPECT_EQ(r.readout.ListUnits(1, 0, 15).outcome, DirectoryOutcome::NoCard);
    ASSERT_EQ(r.rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(r.rig.dialogs.boxes[0].text, "Keine Memorycard im Interface !");
}

TEST(UnitReadout, ReadsUnitsIntoTheFileAfterTheClosingReply) {
    const auto events = DayEvents(3, 50);
    const auto card = std::make_shared<sim::MemoryCard>(events);
    ReadoutRig r(card);
    const auto file = r.dir / "Daten" / "Datenerfassung" / "Alle Meldungen" / "x.ofa";
    const auto count = r.readout.TransferUnits(1, 0, 1, 2, file);
    ASSERT_TRUE(count.has_value());
    const auto bytes = test::ReadBytes(file);
    EXPECT_EQ(bytes.size(), *count * 10);
    // Units 2 and 1 are days 2 and 3: a marker pair and 50 events each.
    EXPECT_EQ(*count, 2u * 52u);
    ASSERT_EQ(r.Commands(command::kUnitReadOut).size(), 1u);
    EXPECT_EQ(r.Commands(command::kUnitReadOut)[0].telegram.payload, (std::vector<std::uint8_t>{0, 1, 2}));
    const auto texts = r.progress.Texts();
    EXPECT_EQ(texts.front(), "Übertragung der Daten");
    EXPECT_EQ(r.progress.windows[0]->maximum, 2 * 252);
    EXPECT_TRUE(r.actions.LinkIdle());
}

TEST(UnitReadout, AbortWritesNothingAndKeepsAnExistingFile) {
    ReadoutRig r(std::make_shared<sim::MemoryCard>(DayEvents(2, 2000)));
    const auto file = r.dir / "x.ofa";
    WriteFileAtomically(file, Bytes{1, 2, 3});
    r.progress.onPosition = [&](int position) {
        if (position == 5) r.rig.link.RequestAbort();
    };
    EXPECT_EQ(r.readout.TransferUnits(1, 0, 1, 2, file), std::nullopt);
    EXPECT_EQ(test::ReadBytes(file), (Bytes{1, 2, 3}));
    EXPECT_TRUE(r.rig.dialogs.boxes.empty());
    EXPECT_TRUE(r.actions.LinkIdle());
    EXPECT_EQ(r.rig.link.Result(), LinkResult::Ok);
}

TEST(UnitReadout, AnEmptyFirstReplyWritesNoFile) {
    ReadoutRig r(std::make_shared<sim::MemoryCard>(DayEvents(1, 3)));
    const auto file = r.dir / "x.ofa";
    EXPECT_EQ(r.readout.TransferUnits(1, 0, 5, 6, file), std::nullopt);  // no such units
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_EQ(r.rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(r.rig.dialogs.boxes[0].text, ReadoutFaultText(ReadoutFault::EmptyFirstReply));
}

}  // namespace
}  // namespace ovis
