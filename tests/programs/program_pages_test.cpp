#include "programs/program_pages.h"

#include <gtest/gtest.h>

#include "tables/group_fixture.h"
#include "tables/terminal_panel.h"

namespace ovis {
namespace {

TEST(ProgramPages, CaptionsAndHelpContexts) {
    const char* captions[] = {"Programm", "Auswahl", "I / O", "Gruppen", "LED", "Counter", "Timer", "Datenausgabe"};
    for (int page = 0; page < kProgramPageCount; ++page) {
        EXPECT_EQ(ProgramPageCaption(ProgramPage(page)), captions[page]);
        EXPECT_EQ(ProgramPageHelpContext(ProgramPage(page)), page == 1 ? 7002 : 7001);
    }
}

TEST(ProgramPages, IoPageNamesTheModuleOrSaysItIsMissing) {
    test::GroupProject project;
    TerminalPanel panel(project.tables->parameters, project.tables->signalNames);
    panel.ShowModuleOf(test::IoRow("Taster", 3));
    EXPECT_EQ(IoPageTypeText(panel), "RELAIS6");
    panel.ShowModuleOf(test::IoRow("Fehlt", 12));
    EXPECT_EQ(IoPageTypeText(panel), "Modul nicht definiert!");
}

}  // namespace
}  // namespace ovis
