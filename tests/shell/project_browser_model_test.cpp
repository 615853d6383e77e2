#include "shell/project_browser_model.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <set>

#include "records/io_error.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(ProjectRecognition, FoldersAndTheirParameterFile) {
    struct Case {
        const char* opened;
        std::set<std::string> existing;  // files that exist
        bool chosen;
        const char* base;
        const char* name;
    };
    const char* kBase = "/home/u/Ovis/";
    const Case cases[] = {
        // The usual project root: the base directory stays.
        {"/home/u/Ovis/Projekte/Demo", {"/home/u/Ovis/Projekte/Demo/Parameter.ofp"}, true, "/home/u/Ovis/", "Demo"},
        {"/home/u/Ovis/Projekte/Demo/", {"/home/u/Ovis/Projekte/Demo/Parameter.ofp"}, true, "/home/u/Ovis/", "Demo"},
        // A "Projekte" folder elsewhere moves the base directory.
        {"/media/stick/Projekte/Anlage 2", {"/media/stick/Projekte/Anlage 2/Parameter.ofp"}, true, "/media/stick/",
         "Anlage 2"},
        {"/Projekte/Wurzel", {"/Projekte/Wurzel/Parameter.ofp"}, true, "/", "Wurzel"},
        // Lower case is not the project root.
        {"/media/stick/projekte/Anlage", {"/media/stick/projekte/Anlage/Parameter.ofp"}, false, kBase, ""},
        // A subfolder of a project is never opened.
        {"/home/u/Ovis/Projekte/Demo/Daten", {"/home/u/Ovis/Projekte/Demo/Daten/Parameter.ofp"}, false, kBase, ""},
        // A folder without parameter file opens nothing and leaves the base directory.
        {"/media/stick/Projekte/Leer", {}, false, kBase, ""},
        {"/home/u/Ovis/Projekte", {"/home/u/Ovis/Projekte/Parameter.ofp"}, false, kBase, ""},
        {"/", {}, false, kBase, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opened);
        auto exists = [&](const fs::path& p) { return c.existing.count(p.lexically_normal().string()) > 0; };
        ProjectRecognition r = RecogniseProject(c.opened, kBase, exists);
        EXPECT_EQ(r.chosen, c.chosen);
        EXPECT_EQ(r.baseDirectory, fs::path(c.base));
        EXPECT_EQ(r.projectName, c.name);
    }
}

TEST(ProjectRecognition, TheParameterFileIsFoundWithoutRegardToCase) {
    test::TempDir dir;
    fs::create_directories(dir / "Projekte/Alt");
    std::ofstream(dir / "Projekte/Alt/PARAMETER.OFP") << "x";
    auto r = RecogniseProject(dir / "Projekte/Alt", "/elsewhere/", [](const fs::path& p) { return fs::exists(p); });
    EXPECT_TRUE(r.chosen);
    EXPECT_EQ(r.baseDirectory, dir.path() / "");
}

TEST(BrowserListing, TextsOfSizeTypeAndTime) {
    const std::pair<std::uintmax_t, const char*> sizes[] = {
        {0, "1KB"}, {999, "1KB"}, {1999, "1KB"}, {2000, "2KB"}, {17592, "17KB"}, {5'000'000'000ULL, "5000000KB"}};
    for (auto [bytes, text] : sizes) EXPECT_EQ(SizeText(bytes), text) << bytes;

    struct TypeCase {
        const char* name;
        bool folder;
        const char* type;
    };
    const TypeCase types[] = {
        {"Parameter.ofp", false, "Ovis Parameter"}, {"LED.OFD", false, "Ovis Data"}, {"a.ofa", false, "Ovis Analyser"},
        {"Main.pgm", false, "PGM-Datei"},           {"README", false, "Datei"},      {".bashrc", false, "Datei"},
        {"Daten.ofd", true, "Dateiordner"},
    };
    for (const auto& t : types) EXPECT_EQ(TypeName(t.name, t.folder), t.type) << t.name;

    std::tm local{};
    local.tm_year = 2006 - 1900;
    local.tm_mon = 0;
    local.tm_mday = 1;
    local.tm_hour = 7;
    local.tm_min = 5;
    local.tm_sec = 9;
    EXPECT_EQ(DateTimeText(local), "01.01.2006 07:05:09");
}

TEST(BrowserListing, ListsEverythingFoldersFirstInNameOrder) {
    test::TempDir dir;
    fs::create_directories(dir / "zeta");
    fs::create_directories(dir / "Alpha");
    fs::create_directories(dir / ".versteckt");
    std::ofstream(dir / "b.ofp") << std::string(2500, 'x');
    std::ofstream(dir / "A.txt") << "";
    std::ofstream(dir / ".hidden") << "h";
    std::ofstream(dir / "nur lesen.ofd") << "r";
    fs::permissions(dir / "nur lesen.ofd", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ASSERT_EQ(mkfifo((dir / "rohr").c_str(), 0600), 0);

    auto items = ListFolder(dir.path());
    std::vector<std::string> names;
    for (const auto& i : items) names.push_back(i.name);
    EXPECT_EQ(names, (std::vector<std::string>{".versteckt", "Alpha", "zeta", ".hidden", "A.txt", "b.ofp",
                                                "nur lesen.ofd", "rohr"}));
    auto find = [&](const std::string& name) {
        return *std::find_if(items.begin(), items.end(), [&](const BrowserItem& i) { return i.name == name; });
    };
    EXPECT_TRUE(find("Alpha").folder);
    EXPECT_EQ(find("Alpha").sizeText, "");
    EXPECT_EQ(find("Alpha").typeName, "Dateiordner");
    EXPECT_EQ(find("b.ofp").sizeText, "2KB");
    EXPECT_EQ(find("b.ofp").typeName, "Ovis Parameter");
    EXPECT_EQ(find("A.txt").sizeText, "1KB");
    EXPECT_TRUE(find(".hidden").hidden);
    EXPECT_TRUE(find(".versteckt").hidden);
    EXPECT_FALSE(find("b.ofp").hidden);
    EXPECT_TRUE(find("nur lesen.ofd").readOnly);
    EXPECT_FALSE(find("b.ofp").readOnly);
    EXPECT_TRUE(find("rohr").system);
    EXPECT_FALSE(find("b.ofp").system);
    EXPECT_EQ(find("b.ofp").modifiedText, ModificationTimeText(fs::last_write_time(dir / "b.ofp")));
    EXPECT_EQ(find("b.ofp").modifiedText.size(), std::string("dd.MM.yyyy hh:mm:ss").size());
}

TEST(BrowserListing, AFolderThatCannotBeReadIsAnError) {
    test::TempDir dir;
    EXPECT_THROW(ListFolder(dir / "fehlt"), IoError);
}

TEST(BrowserListing, TheDialogWidensForTenItems) {
    EXPECT_EQ(BrowserDialogWidth(500, 9), 500);
    EXPECT_EQ(BrowserDialogWidth(500, 10), 516);
}

TEST(BrowserKeys, TypingJumpsToTheNextMatchingItemAndWraps) {
    const std::vector<std::string> names = {"Daten", "Demo", "Anlage", "demo2", "Über", "Zug"};
    struct Case {
        std::optional<std::size_t> current;
        const char* typed;
        std::optional<std::size_t> expected;
    };
    const Case cases[] = {
        {0, "d", 1},                 // one letter: from the item after the current one
        {1, "d", 3},                 // ignoring case
        {3, "D", 0},                 // wrapping
        {1, "de", 1},                // a growing prefix stays on the current item
        {0, "dem", 1},
        {1, "demo2", 3},
        {std::nullopt, "d", 0},      // nothing selected: from the top
        {5, "ü", 4},                 // umlauts fold too
        {2, "x", std::nullopt},
        {2, "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed << " from " << (c.current ? int(*c.current) : -1));
        EXPECT_EQ(FindTypedItem(names, c.current, c.typed), c.expected);
    }
    EXPECT_EQ(FindTypedItem({}, std::nullopt, "a"), std::nullopt);
}

TEST(BrowserKeys, TypeAheadStartsAnewAfterAPause) {
    TypeAhead typeAhead(1000ms);
    EXPECT_EQ(typeAhead.Add("d", 5000ms), "d");
    EXPECT_EQ(typeAhead.Add("e", 5900ms), "de");
    EXPECT_EQ(typeAhead.Add("m", 6900ms), "dem");
    EXPECT_EQ(typeAhead.Add("a", 8000ms), "a");
    typeAhead.Reset();
    EXPECT_EQ(typeAhead.Add("b", 8001ms), "b");
}

TEST(BrowserPaths, VisitedPathsNewestOnTopWithoutDuplicates) {
    VisitedPaths visited;
    EXPECT_TRUE(visited.Add("/a"));
    EXPECT_TRUE(visited.Add("/b"));
    EXPECT_FALSE(visited.Add("/a"));
    EXPECT_TRUE(visited.Add("/c"));
    EXPECT_EQ(visited.Entries(), (std::vector<std::string>{"/c", "/b", "/a"}));
}

TEST(BrowserPaths, PathBoxTextAndParent) {
    EXPECT_EQ(PathFromTypedText("C:"), "C:/");
    EXPECT_EQ(PathFromTypedText("/home/u"), "/home/u");
    EXPECT_EQ(PathFromTypedText(""), "");

    struct Case {
        const char* folder;
        std::optional<fs::path> parent;
    };
    const Case cases[] = {
        {"/home/u/Ovis", fs::path("/home/u")},
        {"/home/u/Ovis/", fs::path("/home/u")},
        {"/home", fs::path("/")},
        {"/", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParentFolder(c.folder), c.parent) << c.folder;

    const std::pair<const char*, const char*> normal[] = {
        {"/a/b/", "/a/b"}, {"/a/./b//", "/a/b"}, {"/a/b/../c", "/a/c"}, {"/", "/"}, {"//", "/"}};
    for (auto [folder, expected] : normal) EXPECT_EQ(NormalFolderPath(folder), fs::path(expected)) << folder;
}

TEST(BrowserView, ReportViewAtFirstThenRemembered) {
    EXPECT_EQ(RememberedViewStyle(), BrowserViewStyle::Report);
    RememberViewStyle(BrowserViewStyle::List);
    EXPECT_EQ(RememberedViewStyle(), BrowserViewStyle::List);
    RememberViewStyle(BrowserViewStyle::Report);
}

}  // namespace
}  // namespace ovis
