// The demo project's start view: its greeting moves across its window of 60 columns.
#include <gtest/gtest.h>

#include <memory>

#include "led/led_simulation.h"
#include "project/project_store.h"
#include "records/typed_file.h"
#include "shell/demo_project.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

TEST(DemoStartView, TheGreetingMovesAcrossItsWindow) {
    test::TempDir base;
    CreateDemoBase(base.path());
    auto table = std::make_unique<LedTable>();
    table->LoadExisting(ResolveInDirectory(base.path() / kProjectsFolder / kDemoProjectName, kLedFileName));
    LedSimulation simulation(*table);
    const SimTime start = 12 * 3'600'000;
    simulation.Start(start);

    std::vector<ComposedDisplay> frames;
    for (SimTime t = 0; t <= 3000; ++t) {
        simulation.Pass(start + t);
        if (t % 500 == 0) frames.push_back(simulation.Display());
    }
    for (std::size_t f = 0; f < frames.size(); ++f) {
        int lit = 0;
        for (int c = 0; c < kLedColumns; ++c) {
            if (frames[f][std::size_t(c)].bits == 0) continue;
            EXPECT_LT(c, 60) << "outside the window, frame " << f;
            ++lit;
        }
        EXPECT_GT(lit, 0) << "frame " << f;
        if (f > 0) {
            EXPECT_NE(frames[f], frames[f - 1]) << "frame " << f;
        }
    }
}

}  // namespace
}  // namespace ovis
