#include "project/file_types.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ovis {
namespace {

namespace fs = std::filesystem;

TEST(FileTypes, ExtensionsAndTypeNames) {
    struct Case {
        const char* file;
        const char* typeName;  // nullptr: not one of ours
    };
    const Case cases[] = {
        {"Parameter.ofp", "Ovis Parameter"}, {"IO.OFD", "Ovis Data"}, {"Lauf.Ofa", "Ovis Analyser"},
        {"Main.pgm", nullptr},               {"ofp", nullptr},        {"x.ofp.bak", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const FileTypeEntry* type = FileTypeOf(c.file);
        if (!c.typeName) {
            EXPECT_EQ(type, nullptr);
        } else {
            ASSERT_NE(type, nullptr);
            EXPECT_STREQ(type->typeName, c.typeName);
        }
    }
}

TEST(FileTypes, ThePackageNamesEveryTypeAndMatchesTheInstalledOne) {
    const std::string xml(MimePackageXml());
    for (const auto& type : FileTypes()) {
        EXPECT_NE(xml.find(std::string("<comment>") + type.typeName + "</comment>"), std::string::npos);
        EXPECT_NE(xml.find(std::string("<glob pattern=\"*") + type.extension + "\"/>"), std::string::npos);
        EXPECT_NE(xml.find(std::string("type=\"") + type.mimeType + "\""), std::string::npos);
    }
    const fs::path installed = fs::path(__FILE__).parent_path() / ".." / ".." / "packaging" / "ovis-mime.xml";
    std::ifstream in(installed);
    ASSERT_TRUE(in) << installed;
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), xml);
}

TEST(FileTypes, UserDataDirectory) {
    using S = std::optional<std::string>;
    EXPECT_EQ(UserDataDirectory(S("/x/data"), S("/home/u")), fs::path("/x/data"));
    EXPECT_EQ(UserDataDirectory(S(""), S("/home/u")), fs::path("/home/u/.local/share"));
    EXPECT_EQ(UserDataDirectory(S("relativ"), S("/home/u")), fs::path("/home/u/.local/share"));
    EXPECT_EQ(UserDataDirectory(std::nullopt, S("/home/u")), fs::path("/home/u/.local/share"));
    EXPECT_EQ(UserDataDirectory(std::nullopt, std::nullopt), std::nullopt);
}

TEST(FileTypes, RegistrationWritesThePackageOnlyWhenMissing) {
    test::TempDir data;
    const fs::path package = data / "mime/packages/ovis.xml";
    EXPECT_TRUE(RegisterFileTypesForUser(data.path()));
    auto bytes = test::ReadBytes(package);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), MimePackageXml());

    test::WriteBytes(package, {'m', 'i', 'n', 'e'});
    EXPECT_FALSE(RegisterFileTypesForUser(data.path()));
    EXPECT_EQ(test::ReadBytes(package).size(), 4u) << "an existing registration is left alone";
}

}  // namespace
}  // namespace ovis
