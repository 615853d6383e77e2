// The lines of the online visualisation's event and relay lists.
#include <gtest/gtest.h>

#include <cstring>

#include "visualisation/visu_lists.h"

namespace ovis {
namespace {

TIoRecord Row(const char* name, int role) {
    TIoRecord row;
    std::memset(&row, 0, sizeof row);
    row.Bezeichnung.assign(name);
    row.VisuRolle = role;
    return row;
}

TEST(VisuLists, EventLinesNameTheMessageAndItsState) {
    const std::vector<TIoRecord> io{Row("Tuer", 1), Row("Pumpe", 9)};
    std::vector<VisuEventEntry> entries{{17, 3, 2024, 8, 5, 9, 2, true}, {1, 1, 2025, 0, 0, 0, 40, false}};
    EXPECT_EQ(EventListLines(entries, io),
              (std::vector<std::string>{"17.03.2024  08:05:09  Pumpe  EIN", "01.01.2025  00:00:00  Meldung 40  AUS"}));
    entries.resize(20, entries[0]);
    entries.back().message = 1;
    const auto lines = EventListLines(entries, io);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines.back(), "17.03.2024  08:05:09  Tuer  EIN");
}

TEST(VisuLists, RelayLinesOfRole9) {
    const std::vector<TIoRecord> io{Row("Tuer", 1), Row("Pumpe", 9), Row("Licht", 9)};
    TGrafikRecord record{};
    const VisuBinding binding = BindVisuMessages(record, io);
    const std::vector<std::uint8_t> states{0x20};  // message 3 High
    const auto lines = RelayLines(binding, states);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(RelayLineText(io, lines[0]), "Pumpe  AUS");
    EXPECT_EQ(RelayLineText(io, lines[1]), "Licht  EIN");
}

}  // namespace
}  // namespace ovis
