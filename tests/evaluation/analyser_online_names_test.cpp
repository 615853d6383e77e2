// The online messages of a project: N, the roles of the I/O rows and the names by number.
#include "evaluation/analyser_online_names.h"

#include <gtest/gtest.h>

namespace ovis {
namespace {

TEST(OnlineMessagesOf, IoThenLedWithRolesOfTheIoRows) {
    IoTable io;
    ResetIoRows(io);
    io.Row(2).Bezeichnung = "Tuer offen";
    io.Row(2).VisuRolle = 0x0106;  // the low byte is the role
    LedTable led;
    TLedRecord text{};
    text.Bezeichnung = "Anzeige";
    led.Append(text);
    const OnlineMessages messages = OnlineMessagesOf(io, led);
    ASSERT_EQ(messages.Count(), int(io.Count()) + 1);
    EXPECT_EQ(messages.Name(3), "Tuer offen");
    EXPECT_EQ(messages.Name(messages.Count()), "Anzeige");
    EXPECT_EQ(messages.Name(0), "");
    EXPECT_EQ(messages.Name(messages.Count() + 1), "") << "a number above N has no name";
    ASSERT_EQ(messages.roles.size(), io.Count());
    EXPECT_EQ(messages.roles[2], 6);
}

}  // namespace
}  // namespace ovis
