#include "shell/help_pages.h"

#include <gtest/gtest.h>

#include <set>

namespace ovis {
namespace {

namespace fs = std::filesystem;

// A file system that holds exactly the given paths.
PathTest In(const std::set<std::string>& existing) {
    return [existing](const fs::path& p) { return existing.count(p.lexically_normal().string()) > 0; };
}

TEST(HelpPages, TheBaseDirectoryFolderElseTheInstalledPages) {
    const fs::path base = "/b/Ovis/";
    const fs::path installed = "/usr/share/ovis/Hilfe";
    struct Case {
        const char* name;
        std::set<std::string> directories;
        fs::path installed;
        fs::path expected;
    } cases[] = {
        {"own folder", {"/b/Ovis/Hilfe", "/usr/share/ovis/Hilfe"}, installed, "/b/Ovis/Hilfe"},
        {"own folder missing", {"/usr/share/ovis/Hilfe"}, installed, "/usr/share/ovis/Hilfe"},
        {"neither", {}, installed, "/b/Ovis/Hilfe"},
        {"nothing installed", {}, {}, "/b/Ovis/Hilfe"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HelpDirectory(base, c.installed, In(c.directories)).lexically_normal(), c.expected) << c.name;
    }
}

TEST(HelpPages, AContextPageElseTheIndexElseNothing) {
    const fs::path help = "/b/Ovis/Hilfe";
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
        auto page = HelpPageFor(help, c.context, In(c.existing));
        ASSERT_EQ(page.has_value(), c.page.has_value());
        if (page) {
            EXPECT_EQ(page->lexically_normal(), *c.page);
        }
    }
}

TEST(HelpPages, MissingIndexMessageNamesThePath) {
    EXPECT_EQ(HelpIndex("/b/Ovis/Hilfe").lexically_normal(), fs::path("/b/Ovis/Hilfe/index.html"));
    EXPECT_EQ(MissingHelpMessage("/b/Ovis/Hilfe/index.html"), "Hilfe-Datei nicht gefunden\r/b/Ovis/Hilfe/index.html");
}

}  // namespace
}  // namespace ovis
