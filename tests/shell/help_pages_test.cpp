#include "shell/help_pages.h"

#include <gtest/gtest.h>

#include <set>

namespace ovis {
namespace {

namespace fs = std::filesystem;

TEST(HelpPages, AContextPageElseTheIndexElseNothing) {
    const fs::path base = "/b/Ovis/";
    struct Case {
        int context;
        std::set<std::string> existing;
        std::optional<fs::path> page;
    };
    const Case cases[] = {
        {1001, {"/b/Ovis/Hilfe/1001.html", "/b/Ovis/Hilfe/index.html"}, fs::path("/b/Ovis/Hilfe/1001.html")},
        {9002, {"/b/Ovis/Hilfe/index.html"}, fs::path("/b/Ovis/Hilfe/index.html")},
        {100, {"/b/Ovis/Hilfe/100.html"}, fs::path("/b/Ovis/Hilfe/100.html")},
        {100, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.context);
        auto exists = [&](const fs::path& p) { return c.existing.count(p.lexically_normal().string()) > 0; };
        auto page = HelpPageFor(base, c.context, exists);
        ASSERT_EQ(page.has_value(), c.page.has_value());
        if (page) {
            EXPECT_EQ(page->lexically_normal(), *c.page);
        }
    }
}

TEST(HelpPages, MissingIndexMessageNamesThePath) {
    EXPECT_EQ(HelpIndex("/b/Ovis/").lexically_normal(), fs::path("/b/Ovis/Hilfe/index.html"));
    EXPECT_EQ(MissingHelpMessage("/b/Ovis/Hilfe/index.html"), "Hilfe-Datei nicht gefunden\r/b/Ovis/Hilfe/index.html");
}

}  // namespace
}  // namespace ovis
