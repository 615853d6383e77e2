// The visualisation window's captions and button sets per mode.
#include <gtest/gtest.h>

#include "visualisation/visu_window_model.h"

namespace ovis {
namespace {

TEST(VisuWindowModel, ButtonsPerMode) {
    struct Case {
        VisuMode mode;
        bool sonder;
        VisuButtons buttons;
    } const cases[] = {
        {VisuMode::Parameter, false, {false, false, false, true, true, true, true, true, true, true}},
        {VisuMode::Parameter, true, {false, false, true, true, true, true, true, true, true, true}},
        {VisuMode::Online, true, {true, true, false, false, false, false, false, false, true, true}},
        {VisuMode::Video, true, {false, false, false, false, false, true, true, true, true, true}},
    };
    for (const auto& c : cases) EXPECT_EQ(VisuButtonsFor(c.mode, c.sonder), c.buttons) << int(c.mode) << c.sonder;
}

TEST(VisuWindowModel, Captions) {
    EXPECT_EQ(VisuCaption(VisuMode::Parameter), "Zel - Visualisierung  ( Parameter )");
    EXPECT_EQ(VisuCaption(VisuMode::Online), "Zel - Visualisierung  ( online )");
    EXPECT_EQ(VisuCaption(VisuMode::Video, "Tag1"), "Zel - Visualisierung  ( Video )     Datei : Tag1");
}

}  // namespace
}  // namespace ovis
